// Ogg Opus decoding over opusfile.

#include "engine/decoders/OpusDecoder.h"

#include <QCoreApplication>

#include <cstring>

namespace {

QString OpusFileError(int code)
{
    switch (code) {
    case OP_EREAD:
        return QCoreApplication::translate("Decoder", "the file cannot be read");
    case OP_ENOTFORMAT:
        return QCoreApplication::translate("Decoder", "not an Ogg Opus stream");
    case OP_EVERSION:
        return QCoreApplication::translate("Decoder", "an Ogg Opus version that is not known");
    case OP_EBADHEADER:
        return QCoreApplication::translate("Decoder", "its Opus header is damaged");
    case OP_EBADLINK:
    case OP_EBADTIMESTAMP:
        return QCoreApplication::translate("Decoder", "its stream is damaged");
    case OP_EFAULT:
        return QCoreApplication::translate("Decoder", "out of memory");
    default:
        return QCoreApplication::translate("Decoder", "it cannot be decoded (error %1)").arg(code);
    }
}

} // namespace

OpusDecoder::~OpusDecoder()
{
    if (m_pFile)
        op_free(m_pFile);
}

bool OpusDecoder::OpenFile(const std::string& path)
{
    int error = 0;
    m_pFile = op_open_file(path.c_str(), &error);
    if (!m_pFile) {
        m_strError = OpusFileError(error);
        return false;
    }
    m_nChannels = op_channel_count(m_pFile, -1) == 1 ? 1 : 2;
    return true;
}

std::size_t OpusDecoder::Read(char* buffer, std::size_t bytes)
{
    const std::size_t wanted = bytes / (2u * m_nChannels) * m_nChannels;
    if (m_samples.size() < wanted)
        m_samples.resize(wanted);
    std::size_t done = 0;
    while (done < wanted) {
        const int room = static_cast<int>(wanted - done);
        // Several channels are mixed down to two; mono stays mono.
        const int got = m_nChannels == 1 ? op_read(m_pFile, m_samples.data() + done, room, nullptr)
                                         : op_read_stereo(m_pFile, m_samples.data() + done, room);
        // A hole (lost pages) is skipped; the end or any other error ends the sound.
        if (got == OP_HOLE)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got) * m_nChannels;
    }
    std::memcpy(buffer, m_samples.data(), 2 * done);
    return 2 * done;
}
