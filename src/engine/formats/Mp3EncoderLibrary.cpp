// Loading the MP3 encoder library once for all the outputs that use it.

#include "engine/formats/Mp3EncoderLibrary.h"

#include <QCoreApplication>

#include <cstring>

namespace {
// The library the outputs hold now, if any: a second output of a take finds it loaded.
std::weak_ptr<const Mp3EncoderLibrary> g_loaded;
} // namespace

bool Mp3EncoderLibrary::IsLoaded()
{
    return !g_loaded.expired();
}

std::shared_ptr<const Mp3EncoderLibrary> Mp3EncoderLibrary::LoadEncoder(QString* failure)
{
    if (auto held = g_loaded.lock())
        return held;
    auto library = platform::DynamicLibrary::Load(QStringLiteral("liblame_enc.so"));
    if (!library) {
        *failure = QCoreApplication::translate("Output", "Error loading lame_enc.DLL");
        return nullptr;
    }
    auto encoder = std::make_shared<Mp3EncoderLibrary>();
    encoder->beInitStream = reinterpret_cast<BEINITSTREAM>(library->Resolve("beInitStream"));
    encoder->beEncodeChunk = reinterpret_cast<BEENCODECHUNK>(library->Resolve("beEncodeChunk"));
    encoder->beDeinitStream = reinterpret_cast<BEDEINITSTREAM>(library->Resolve("beDeinitStream"));
    encoder->beCloseStream = reinterpret_cast<BECLOSESTREAM>(library->Resolve("beCloseStream"));
    encoder->beVersion = reinterpret_cast<BEVERSION>(library->Resolve("beVersion"));
    encoder->beWriteVBRHeader = reinterpret_cast<BEWRITEVBRHEADER>(library->Resolve("beWriteVBRHeader"));
    encoder->beWriteInfoTag = reinterpret_cast<BEWRITEINFOTAG>(library->Resolve("beWriteInfoTag"));
    if (!encoder->beInitStream || !encoder->beEncodeChunk || !encoder->beDeinitStream || !encoder->beCloseStream ||
        !encoder->beVersion || !encoder->beWriteVBRHeader) {
        *failure = QCoreApplication::translate("Output", "Unable to get LAME interfaces");
        return nullptr;
    }
    BE_VERSION version;
    std::memset(&version, 0, sizeof version);
    encoder->beVersion(&version);
    encoder->m_hEncoderLib = std::move(library);
    g_loaded = encoder;
    return encoder;
}
