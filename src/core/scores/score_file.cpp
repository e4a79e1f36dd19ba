// The top-score file: one writer for its bytes, a forgiving reader, and its two possible places.
#include "core/scores/score_file.h"

#include "core/files/whole_file.h"
#include "core/scores/score_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// A written file is 280 bytes; a hand-edited one gets generous room before we stop looking.
constexpr qint64 MaxScanBytes = qint64(1) << 20;
// No 16-bit number needs more characters than this; longer tokens are only remembered as too long.
constexpr qsizetype MaxTokenChars = 16;

bool isBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}
bool isLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

// An optional sign and decimal digits within -32768..32767; anything else is no number.
qint16 numberOrEmpty(const QByteArray &token)
{
    qsizetype i = 0;
    const bool negative = !token.isEmpty() && token[0] == '-';
    if (!token.isEmpty() && (token[0] == '-' || token[0] == '+'))
        ++i;
    if (i == token.size() || token.size() > MaxTokenChars)
        return EmptyScore;
    qint64 value = 0;
    for (; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9')
            return EmptyScore;
        value = value * 10 + (token[i] - '0');
    }
    if (negative)
        value = -value;
    return value < -32768 || value > 32767 ? EmptyScore : static_cast<qint16>(value);
}

// Splits the text into the entries in file order. A number ends at a blank, a comma or a line end;
// blanks and line ends before a number are skipped, while a comma with nothing before it is an
// entry of its own that holds no number.
class EntryReader
{
public:
    explicit EntryReader(ScoreBook &book) : m_book(book) {}
    bool done() const { return m_count == ScoreCount; }

    void feed(char ch)
    {
        if (m_state == State::InToken) {
            if (isBlank(ch) || ch == ',' || isLineEnd(ch)) {
                store(numberOrEmpty(m_token));
                m_state = isBlank(ch) ? State::AfterValue : State::Between;
            } else if (m_token.size() <= MaxTokenChars) {
                m_token.append(ch);
            }
            return;
        }
        if (isBlank(ch) || isLineEnd(ch)) {
            // a blank after a value may still be followed by its comma or line end
            if (isLineEnd(ch))
                m_state = State::Between;
        } else if (ch == ',') {
            if (m_state == State::Between)
                store(EmptyScore);
            m_state = State::Between;
        } else {
            m_token = QByteArray(1, ch);
            m_state = State::InToken;
        }
    }

    void finish()
    {
        if (m_state == State::InToken && !done())
            store(numberOrEmpty(m_token));
    }

private:
    enum class State { Between, InToken, AfterValue };
    void store(qint16 value)
    {
        if (!done())
            m_book.at(m_count++) = value;
    }

    ScoreBook &m_book;
    int m_count = 0;
    State m_state = State::Between;
    QByteArray m_token;
};

QString join(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

} // namespace

QByteArray scoreFileBytes(const ScoreBook &book)
{
    QByteArray bytes;
    for (int i = 0; i < ScoreCount; ++i) {
        const qint16 value = book.at(i);
        // the sign position: a blank for zero and above, "-" below
        bytes += value < 0 ? '-' : ' ';
        bytes += QByteArray::number(qAbs(static_cast<int>(value)));
        bytes += " \r\n";
    }
    return bytes;
}

ScoreBook readScores(QIODevice &device)
{
    ScoreBook book = ScoreBook::empty();
    EntryReader reader(book);
    char buffer[4096];
    qint64 scanned = 0;
    while (!reader.done() && scanned < MaxScanBytes) {
        const qint64 got = device.read(buffer, qMin<qint64>(sizeof buffer, MaxScanBytes - scanned));
        if (got <= 0)
            break;
        scanned += got;
        for (qint64 i = 0; i < got && !reader.done(); ++i)
            reader.feed(buffer[i]);
    }
    reader.finish();
    return book;
}

QString userScoreFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/Orvane.Works/Tessary");
}

bool folderWritable(const QString &folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

ScoreFile::ScoreFile(QString programFolder, QString userFolder, WritableCheck writable)
    : m_programFolder(std::move(programFolder))
    , m_userFolder(std::move(userFolder))
    , m_writable(std::move(writable))
{
}

QString ScoreFile::programPath() const
{
    return join(m_programFolder, QLatin1String(ScoreFileName));
}
QString ScoreFile::userPath() const
{
    return join(m_userFolder, QLatin1String(ScoreFileName));
}

QString ScoreFile::readPath() const
{
    // isFile() is false for a folder, a device or a pipe of that name: none of them is a score
    // file.
    const QFileInfo program(programPath());
    const QFileInfo user(userPath());
    const bool inProgram = !program.filePath().isEmpty() && program.isFile();
    const bool inUser = !user.filePath().isEmpty() && user.isFile();
    // Both exist after a save had to fall back: the one written last holds the records,
    // and on a tie the one this run would write.
    if (inProgram && inUser) {
        if (user.lastModified() != program.lastModified())
            return user.lastModified() > program.lastModified() ? userPath() : programPath();
        return programFolderUsable() ? programPath() : userPath();
    }
    if (inProgram)
        return programPath();
    return inUser ? userPath() : QString();
}

ScoreBook ScoreFile::load() const
{
    QFile file(readPath());
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return ScoreBook::empty();
    return readScores(file);
}

bool ScoreFile::programFolderUsable() const
{
    return !QFileInfo(programPath()).isDir() && m_writable(m_programFolder);
}

void ScoreFile::refresh(ScoreBook &book) const
{
    book.takeBetter(load());
}

ScoreFile::SaveResult ScoreFile::save(ScoreBook &book) const
{
    SaveResult result;
    result.tried << programPath();
    if (programFolderUsable() && saveIn(m_programFolder, book)) {
        result.writtenTo = programPath();
        return result;
    }
    if (m_userFolder.isEmpty())
        return result;
    result.tried << userPath();
    if (QDir().mkpath(m_userFolder) && saveIn(m_userFolder, book))
        result.writtenTo = userPath();
    return result;
}

bool ScoreFile::saveIn(const QString &folder, ScoreBook &book) const
{
    const QString path = join(folder, QLatin1String(ScoreFileName));
    const SaveLock lock(path);
    refresh(book);
    return replaceFileWhole(path, scoreFileBytes(book));
}

bool recordTopScore(ScoreBook &book, const ScoreFile &file, qint32 skillLevel, int n, qint32 clicks)
{
    file.refresh(book);
    return recordTopScore(book, skillLevel, n, clicks);
}
