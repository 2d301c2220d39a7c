// The digest of an object's text, taken while a text export is read: two
// texts that differ only in their line ends (CR LF or LF), in blank lines
// at their end, or in their encoding (code page 850, or the same characters
// in UTF-8) digest the same. The digest is stable within a run; it is never
// stored.
#pragma once

#include <QByteArrayView>

#include <cstdint>

// The text as one stream of bytes: a CR before an LF (or at the end) is
// left out, the LFs at the end are held back until other bytes follow,
// and the rest is hashed a word at a time. The stream may be fed in pieces
// of any size; the pieces' borders change nothing.
class TTextHashStream {
public:
    // Returns whether the bytes hold one of 0x80 or up.
    bool Add(QByteArrayView bytes);
    uint64_t Value() const;

private:
    // The hash of the bytes taken: whole words, and the bytes of the next.
    struct THashState {
        uint64_t Lanes[4] = {0x5155494E54415245u, 0x9E3779B97F4A7C15u, 0xC2B2AE3D27D4EB4Fu,
                             0x165667B19E3779F9u};
        uint64_t Partial = 0; // bytes not yet a whole word, the first lowest
        int PartialSize = 0;  // 0 to 7
        uint64_t Words = 0;   // hashed so far
        void AddWord(uint64_t word, int size);
        void HashWord(uint64_t word);
    };

    bool AddBody(const char *from, const char *end);
    void AddTail(const char *from, const char *end);
    void AddByte(char byte);
    void FlushLineFeeds();

    THashState Hash;
    qsizetype PendingFeeds = 0; // LFs after the last other byte
    bool PendingReturn = false; // the last byte fed was a CR
};

class TTextDigest {
public:
    // The next bytes of the text, split anywhere. Bytes of 0x80 and up are
    // digested as UTF-8 and as code page 850 (converted to UTF-8), since
    // the file's encoding is known only once the whole file is read.
    void Add(QByteArrayView bytes);
    // Where the file is UTF-8 (else code page 850).
    uint64_t Value(bool utf8) const;

private:
    TTextHashStream Utf8, CodePage;
    bool Apart = false; // CodePage differs from Utf8 (a byte of 0x80 or up came)
};
