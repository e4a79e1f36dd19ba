// Picture files for the tests: good ones drawn on the spot, and the bad ones a player may point at.
#pragma once

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QtEndian>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

inline QByteArray encodedPicture(QSize size, QColor colour, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Header sizes patched to claim a picture far too large to hold.
inline QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QByteArray bytes = encodedPicture(QSize(300, 300), Qt::red, "JPEG");
    const qsizetype sof = bytes.indexOf("\xff\xc0");
    qToBigEndian(height, bytes.data() + sof + 5);
    qToBigEndian(width, bytes.data() + sof + 7);
    return bytes;
}

inline QByteArray bmpClaiming(qint32 width, qint32 height)
{
    QByteArray bytes = encodedPicture(QSize(300, 300), Qt::red, "BMP");
    qToLittleEndian(width, bytes.data() + 18);
    qToLittleEndian(height, bytes.data() + 22);
    return bytes;
}

inline QByteArray gifClaiming(quint16 width, quint16 height)
{
    QFile leaf(QDir(qEnvironmentVariable("TESSARY_MEDIA_DIR")).filePath(QStringLiteral("Leaf.gif")));
    leaf.open(QIODevice::ReadOnly);
    QByteArray bytes = leaf.readAll();
    qToLittleEndian(width, bytes.data() + 6);
    qToLittleEndian(height, bytes.data() + 8);
    return bytes;
}

// Every bad file by name; "folder.jpg" is a directory and "locked.jpg" has no read permission.
inline const QStringList BadFileNames = {"empty.gif", "notes.bmp",  "truncated.jpg", "corrupt.jpg",
                                         "drawing.gif", "huge.jpg", "huge.bmp",      "wide.bmp",
                                         "huge.gif",   "folder.jpg", "locked.jpg"};

inline void makeBadFile(const QString &folder, const QString &name)
{
    const QString path = QDir(folder).filePath(name);
    const QByteArray jpeg = encodedPicture(QSize(300, 300), Qt::red, "JPEG");
    const QMap<QString, QByteArray> contents = {
        {"empty.gif", QByteArray()},
        {"notes.bmp", "Shopping: milk, bread, tiles.\n"},
        {"truncated.jpg", jpeg.left(200)},
        {"corrupt.jpg", jpeg.left(2) + QByteArray(3000, 'Z')},
        {"drawing.gif", encodedPicture(QSize(300, 300), Qt::red, "PNG")},  // a PNG under a GIF name
        {"huge.jpg", jpegClaiming(65000, 65000)},
        {"huge.bmp", bmpClaiming(30000, 30000)},
        {"wide.bmp", bmpClaiming(19000, 9000)},  // within the side limit, beyond memory for a full decode
        {"huge.gif", gifClaiming(65535, 65535)},
        {"locked.jpg", jpeg}};
    if (name == QLatin1String("folder.jpg"))
        QDir(folder).mkdir(name);
    else if (contents.contains(name))
        writeFile(path, contents.value(name));
    if (name == QLatin1String("locked.jpg"))
        QFile::setPermissions(path, QFileDevice::Permissions());
}

// Root reads any file whatever its permissions; while this lives, the process gives up that power
// so that "locked.jpg" is as unreadable to it as to a player.
class WithoutReadOverride {
public:
    WithoutReadOverride()
    {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_active = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~WithoutReadOverride()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] = {};
    bool m_active = false;
};
