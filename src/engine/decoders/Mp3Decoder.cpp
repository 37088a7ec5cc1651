// MP3 decoding over libmpg123.

#include "engine/decoders/Mp3Decoder.h"

#include <QCoreApplication>

Mp3Decoder::~Mp3Decoder()
{
    if (m_pHandle) {
        mpg123_close(m_pHandle);
        mpg123_delete(m_pHandle);
    }
}

bool Mp3Decoder::OpenFile(const std::string& path)
{
    mpg123_init();
    int error = MPG123_OK;
    m_pHandle = mpg123_new(nullptr, &error);
    if (!m_pHandle) {
        m_strError = QString::fromLatin1(mpg123_plain_strerror(error));
        return false;
    }
    // The library's own complaints about a damaged stream would go to the terminal.
    mpg123_param(m_pHandle, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // 16-bit at any rate the stream has: the sound server plays every rate.
    mpg123_format_none(m_pHandle);
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t i = 0; i < count; ++i)
        mpg123_format(m_pHandle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(m_pHandle, path.c_str()) != MPG123_OK) {
        m_strError = QString::fromLocal8Bit(mpg123_strerror(m_pHandle));
        return false;
    }
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(m_pHandle, &rate, &channels, &encoding) != MPG123_OK) {
        m_strError = QCoreApplication::translate("Decoder", "no MPEG audio frames found");
        return false;
    }
    m_nRate = static_cast<std::uint32_t>(rate);
    m_nChannels = static_cast<std::uint16_t>(channels);
    return true;
}

std::size_t Mp3Decoder::Read(char* buffer, std::size_t bytes)
{
    std::size_t done = 0;
    int idle = 0;
    while (done < bytes && !m_bEnded) {
        std::size_t got = 0;
        const int rc = mpg123_read(m_pHandle, buffer + done, bytes - done, &got);
        done += got;
        idle = got > 0 ? 0 : idle + 1;
        // The end, an error, or a change of format in mid-stream (another stream, which is
        // not played); a damaged stream that keeps giving nothing ends too.
        m_bEnded = rc != MPG123_OK || idle > 64;
    }
    // Only whole frames are played.
    return done - done % (2u * m_nChannels);
}
