// The digest of an object's text, taken line by line while a text export is
// read: two texts that differ only in their line ends (CR LF or LF), in
// blank lines at their end, or in their encoding (code page 850, or the
// same characters in UTF-8) digest the same.
#pragma once

#include <QByteArrayView>

#include <cstdint>

class TTextDigest {
public:
    // One line without its line end. A line of bytes of 0x80 and up is
    // digested as UTF-8 and as code page 850 (whose characters are digested
    // in their UTF-8 form), since the file's encoding is known only once
    // the whole file is read.
    void AddLine(QByteArrayView line);
    // Where the file is UTF-8 (else code page 850).
    uint64_t Value(bool utf8) const { return utf8 ? Utf8 : CodePage; }

private:
    void Mix(uint64_t utf8Line, uint64_t codePageLine);
    uint64_t Utf8 = 0, CodePage = 0;
    qsizetype PendingBlankLines = 0; // mixed in only when a line follows
};
