// What each fuzz target feeds its bytes to; shared by the libFuzzer targets and the regression runner.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Every entry point takes the bytes of one file and aborts when the program mishandles it.
int scoreFile(const uint8_t *data, size_t size);
int settingsValues(const uint8_t *data, size_t size);
int pictureFile(const uint8_t *data, size_t size);
int helpTopics(const uint8_t *data, size_t size);
int waveFile(const uint8_t *data, size_t size);
int tuneFile(const uint8_t *data, size_t size);
int keptGame(const uint8_t *data, size_t size);
int statistics(const uint8_t *data, size_t size);

// Sets up what every target needs once: a headless GUI application for the image plugins and fonts.
void initialise(int *argc, char ***argv);

// A fault the sanitizers cannot see (a wrong answer): reported, then abort() so the fuzzer keeps the input.
void require(bool condition, const char *what);

// `bytes` as the whole content of a scratch file that lives until the next call with the same `name`.
QString scratchFile(const QString &name, const QByteArray &bytes);

inline QByteArray view(const uint8_t *data, size_t size)
{
    // No copy: a read past the end then lands outside the fuzzer's buffer, where ASan sees it.
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

} // namespace fuzz
