// Picture files for the tests: good ones drawn on the spot, and the bad ones a player may point at.
#pragma once

#include "file_size_limit.h"

#include <QtGui>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

inline QByteArray encodedPicture(QSize size, QColor colour, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes); // the writer opens it
    image.save(&buffer, format, 95);
    return bytes;
}

// `bytes` with the two numbers from `at` on replaced: header sizes, to claim a picture too large to
// hold.
template<typename T>
QByteArray patched(QByteArray bytes, qsizetype at, T first, T second, bool bigEndian = false)
{
    for (const T value : {first, second}) {
        bigEndian ? qToBigEndian(value, bytes.data() + at)
                  : qToLittleEndian(value, bytes.data() + at);
        at += qsizetype(sizeof(T));
    }
    return bytes;
}

// Every bad file by name; "folder.jpg" is a directory, "pipe.jpg" a named pipe with no writer and
// "locked.jpg" has no read permission.
inline const QStringList BadFileNames = {
    "empty.gif", "notes.bmp", "truncated.jpg", "corrupt.jpg", "drawing.gif", "huge.jpg",
    "huge.bmp",  "wide.bmp",  "huge.gif",      "folder.jpg",  "pipe.jpg",    "locked.jpg"};

inline void makeBadFile(const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    const QByteArray jpeg = encodedPicture({300, 300}, Qt::red, "JPEG"),
                     bmp = encodedPicture({300, 300}, Qt::red, "BMP");
    const QByteArray gif = fileBytes(
        QDir(qEnvironmentVariable("TESSARY_MEDIA_DIR")).filePath(QStringLiteral("Leaf.gif")));
    const QMap<QString, QByteArray> contents = {
        {"empty.gif", QByteArray()},
        {"notes.bmp", "Shopping: milk, bread, tiles.\n"},
        {"truncated.jpg", jpeg.left(200)},
        {"corrupt.jpg", jpeg.left(2) + QByteArray(3000, 'Z')},
        {"drawing.gif", encodedPicture({300, 300}, Qt::red, "PNG")}, // a PNG under a GIF name
        {"huge.jpg", patched<quint16>(jpeg, jpeg.indexOf("\xff\xc0") + 5, 65000, 65000, true)},
        {"huge.bmp", patched<qint32>(bmp, 18, 30000, 30000)},
        {"wide.bmp",
         patched<qint32>(bmp, 18, 19000,
                         9000)}, // within the side limit, beyond memory for a full decode
        {"huge.gif", patched<quint16>(gif, 6, 65535, 65535)},
        {"locked.jpg", jpeg}};
    if (name == QLatin1String("folder.jpg"))
        QDir(folder).mkdir(name);
    else if (name == QLatin1String("pipe.jpg")) // opening it would wait for ever
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
    else if (contents.contains(name))
        writeFile(path, contents.value(name));
    if (name == QLatin1String("locked.jpg"))
        QFile::setPermissions(path, QFileDevice::Permissions());
}

// Root reads any file whatever its permissions; while this lives, the process gives up that power
// so that "locked.jpg" is as unreadable to it as to a player.
struct WithoutReadOverride
{
    WithoutReadOverride()
    {
        if (syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved[0], saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        active = syscall(SYS_capset, &header, reduced) == 0;
    }
    ~WithoutReadOverride()
    {
        if (active)
            syscall(SYS_capset, &header, saved);
    }
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2] = {};
    bool active = false;
};
