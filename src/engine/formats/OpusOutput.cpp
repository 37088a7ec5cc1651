// Ogg Opus output over libopusenc, writing through our own descriptor.

#include "engine/formats/OpusOutput.h"

#include "engine/formats/CapturedSamples.h"

#include <QCoreApplication>
#include <QFile>

OpusOutput::~OpusOutput()
{
    if (m_pEncoder)
        Finish();
}

bool OpusOutput::Open(const QString& path, const OutputSpec& spec)
{
    if (m_pEncoder)
        return true;
    m_spec = spec;
    m_strError.clear();
    if (!Begin(QFile::encodeName(path).toStdString())) {
        m_strFailure = CannotCreate(path, m_strError);
        return false;
    }
    return true;
}

bool OpusOutput::Begin(const std::string& path)
{
    m_pTags = ope_comments_create();
    if (!m_pTags) {
        m_strError = QCoreApplication::translate("Output", "out of memory");
        return false;
    }
    for (const std::string& tag : OutputTags(m_spec))
        ope_comments_add_string(m_pTags, tag.c_str());
    if (!m_file.Create(path)) {
        m_strError = m_file.Error();
        Release();
        return false;
    }
    static const OpusEncCallbacks callbacks{&OnWrite, &OnClose};
    int error = OPE_OK;
    m_pEncoder = ope_encoder_create_callbacks(&callbacks, this, m_pTags, static_cast<opus_int32>(m_spec.rate),
                                              m_spec.channels, 0, &error);
    if (!m_pEncoder)
        return !Failed(error);
    // In 48 kHz samples. Sound is encoded as it comes rather than held for the encoder's
    // decisions, and pages are not held longer than half a second. Packets of 60 ms: a
    // recording has no one waiting on its latency, and the work done per packet (the
    // library asks the encoder for its state at each) is a third of that of 20 ms ones.
    const int ctl[] = {ope_encoder_ctl(m_pEncoder, OPUS_SET_BITRATE(BITRATE_PER_CHANNEL * m_spec.channels)),
                       ope_encoder_ctl(m_pEncoder, OPUS_SET_VBR(1)),
                       ope_encoder_ctl(m_pEncoder, OPE_SET_DECISION_DELAY(0)),
                       ope_encoder_ctl(m_pEncoder, OPE_SET_MUXING_DELAY(24000)),
                       ope_encoder_ctl(m_pEncoder, OPE_SET_COMMENT_PADDING(0)),
                       ope_encoder_ctl(m_pEncoder, OPUS_SET_EXPERT_FRAME_DURATION(OPUS_FRAMESIZE_60_MS))};
    for (const int rc : ctl)
        if (rc != OPE_OK)
            return !Failed(rc);
    // The headers at once: even a file whose process dies in its first second opens.
    return !Failed(ope_encoder_flush_header(m_pEncoder));
}

IOutputFile::Written OpusOutput::Write(const char* data, std::uint32_t bytes)
{
    if (!m_pEncoder)
        return Written::Failed;
    const std::uint32_t count = bytes / (m_spec.bits / 8u);
    // The encoder takes 16-bit samples: 8-bit ones are moved up to full scale.
    const opus_int16* samples = CapturedSamples(data, count, m_spec.bits, 256, m_samples);
    if (!Failed(ope_encoder_write(m_pEncoder, samples, static_cast<int>(count / m_spec.channels))))
        return Written::Ok;
    m_strFailure = QCoreApplication::translate("Output", "Write file failed");
    return Written::Failed;
}

bool OpusOutput::Finish()
{
    if (!m_pEncoder)
        return true;
    // The last page carries the end: the decoder drops the encoder's padding after it.
    const bool drained = !Failed(ope_encoder_drain(m_pEncoder));
    const bool closed = m_file.Close();
    Release();
    const bool ok = drained && closed && m_strError.isEmpty();
    if (!ok)
        m_strFailure = QCoreApplication::translate("Output", "Write file failed");
    return ok;
}

bool OpusOutput::Failed(int code)
{
    if (code == OPE_OK)
        return false;
    // The system's words where a write failed, which say more than the encoder's.
    if (m_strError.isEmpty())
        m_strError = m_file.Error().isEmpty() ? QString::fromLatin1(ope_strerror(code)) : m_file.Error();
    Release();
    return true;
}

void OpusOutput::Release()
{
    if (m_pEncoder)
        ope_encoder_destroy(m_pEncoder);
    if (m_pTags)
        ope_comments_destroy(m_pTags);
    m_pEncoder = nullptr;
    m_pTags = nullptr;
    m_file.Close();
}

int OpusOutput::OnWrite(void* self, const unsigned char* data, opus_int32 bytes)
{
    return static_cast<OpusOutput*>(self)->m_file.WriteAll(data, static_cast<std::size_t>(bytes)) ? 0 : 1;
}

int OpusOutput::OnClose(void*)
{
    // The descriptor is closed by Finish, which sees whether that failed.
    return 0;
}
