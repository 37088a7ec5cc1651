#pragma once
// The MP3 encoder library, loaded at run time when a take first needs it and shared by every
// MP3 output of the take: it is let go when the last output holding it goes.

#include "platform/DynamicLibrary.h"

#include "lame_enc.h"

#include <QString>

#include <memory>

class Mp3EncoderLibrary {
public:
    // The library with its entry points, loaded now unless an output holds it already; null
    // when it cannot serve, and failure says so in the user's words.
    static std::shared_ptr<const Mp3EncoderLibrary> LoadEncoder(QString* failure);
    // Some output holds the library.
    static bool IsLoaded();

    BEINITSTREAM beInitStream = nullptr;
    BEENCODECHUNK beEncodeChunk = nullptr;
    BEDEINITSTREAM beDeinitStream = nullptr;
    BECLOSESTREAM beCloseStream = nullptr;
    BEVERSION beVersion = nullptr;
    BEWRITEVBRHEADER beWriteVBRHeader = nullptr;
    // May be missing: the tag is then written through beWriteVBRHeader.
    BEWRITEINFOTAG beWriteInfoTag = nullptr;

private:
    std::unique_ptr<platform::DynamicLibrary> m_hEncoderLib;
};
