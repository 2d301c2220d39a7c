#include "licencefile.h"

#include "cp850.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace cfront {
namespace {

// An error on one line; the message says what was expected there.
struct TLineError {
    std::size_t Line;
    std::string Message;
};

// Thrown when the file itself can't be read; the cause is the system's.
struct TReadError {
    std::string Cause;
};

constexpr std::string_view Bom = "\xEF\xBB\xBF";
constexpr std::string_view RightLetters = "RIMDX"; // bit order of TRight

// The object type names, numbered 1 to 7 in this order.
constexpr std::string_view TypeNames[] = {"Table",    "Form",    "Report",   "Dataport",
                                          "Codeunit", "XMLport", "MenuSuite"};

enum class TSection { None, Information, Permissions };

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Tokens(std::string_view text)
{
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !IsBlank(text[at]))
            ++at;
        if (at > start)
            tokens.push_back(text.substr(start, at - start));
    }
    return tokens;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// Quotes a text found in the file; a long one only by its start, cut at a
// character's boundary, so that a message stays readable.
std::string Quoted(std::string_view text)
{
    constexpr std::size_t Longest = 40;
    std::string_view shown = text;
    if (text.size() > Longest) {
        std::size_t cut = Longest;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        shown = text.substr(0, cut);
    }
    // Built by appending: g++ 12 at -O3 misreads "..." + std::string as overlapping copies.
    std::string quoted;
    quoted.reserve(shown.size() + 5);
    quoted.append(1, '"').append(shown);
    if (shown.size() < text.size())
        quoted.append("...");
    quoted.append(1, '"');
    return quoted;
}

std::optional<int32_t> ParseObjectType(std::string_view token)
{
    for (std::size_t i = 0; i < std::size(TypeNames); ++i) {
        if (EqualsIgnoringCase(token, TypeNames[i]))
            return static_cast<int32_t>(i + 1);
    }
    if (token.size() == 1 && token[0] >= '0' && token[0] <= '7')
        return token[0] - '0';
    return std::nullopt;
}

// A signed decimal of 32 bits: an optional sign, then digits only.
std::optional<int32_t> ParseNumber(std::string_view token)
{
    std::string_view digits = token;
    bool negative = false;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        negative = digits[0] == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    std::string text = negative ? "-" : "";
    text += digits;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// One line of [Permissions]: TYPE FROM[..TO] RIGHTS, already trimmed.
class TPermissionLineParser {
public:
    explicit TPermissionLineParser(std::size_t lineNumber) : LineNumber(lineNumber) {}

    TPermissionLine Parse(std::string_view text) const
    {
        const std::vector<std::string_view> tokens = Tokens(text);
        TPermissionLine line;
        line.ObjectType = ObjectType(tokens[0]);
        if (tokens.size() < 2)
            Fail("expected FROM[..TO] after the object type, found the end of the line");
        SetRange(tokens[1], line);
        if (tokens.size() < 3)
            Fail("expected RIGHTS as letters of R, I, M, D, X or \"-\" after the numbers, found "
                 "the end of the line");
        SetRights(tokens[2], line);
        if (tokens.size() > 3)
            Fail("expected the end of the line after RIGHTS, found " + Quoted(tokens[3]));
        return line;
    }

private:
    [[noreturn]] void Fail(const std::string &message) const
    {
        throw TLineError{LineNumber, message};
    }

    int32_t ObjectType(std::string_view token) const
    {
        const auto type = ParseObjectType(token);
        if (!type)
            Fail("expected TYPE as Table, Form, Report, Dataport, Codeunit, XMLport, MenuSuite "
                 "or a number 0-7, found " +
                 Quoted(token));
        return *type;
    }

    int32_t Number(std::string_view name, std::string_view token) const
    {
        const auto number = ParseNumber(token);
        if (!number)
            Fail("expected " + std::string(name) +
                 " as a whole number from -2147483648 to 2147483647, found " + Quoted(token));
        return *number;
    }

    void SetRange(std::string_view token, TPermissionLine &line) const
    {
        const std::size_t dots = token.find("..");
        if (dots == std::string_view::npos) {
            line.From = line.To = Number("FROM", token);
            return;
        }
        line.From = Number("FROM", token.substr(0, dots));
        line.To = Number("TO", token.substr(dots + 2));
        if (line.From > line.To)
            Fail("expected FROM not greater than TO, found " + Quoted(token));
    }

    // Upper-case letters grant a right, lower-case letters (the ERP's
    // notation) grant it indirectly.
    void SetRights(std::string_view token, TPermissionLine &line) const
    {
        if (token == "-")
            return;
        for (const char letter : token) {
            const bool indirect = letter >= 'a' && letter <= 'z';
            const char upper = indirect ? char(letter - 'a' + 'A') : letter;
            const std::size_t bit = RightLetters.find(upper);
            if (bit == std::string_view::npos)
                Fail("expected RIGHTS as letters of R, I, M, D, X (lower case: indirect) or "
                     "\"-\", found " +
                     Quoted(token));
            const auto right = static_cast<uint8_t>(1u << bit);
            if (line.Rights & right)
                Fail("expected each of R, I, M, D, X at most once in RIGHTS, found " +
                     Quoted(token));
            line.Rights |= right;
            if (indirect)
                line.Indirect |= right;
        }
    }

    std::size_t LineNumber;
};

// A "[Name]" line; the name is told apart later.
std::optional<std::string_view> SectionHeader(std::string_view trimmed)
{
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return std::nullopt;
    return Trimmed(trimmed.substr(1, trimmed.size() - 2));
}

TSection SectionNamed(std::string_view name, std::string_view header, std::size_t lineNumber)
{
    if (EqualsIgnoringCase(name, "Information"))
        return TSection::Information;
    if (EqualsIgnoringCase(name, "Permissions"))
        return TSection::Permissions;
    throw TLineError{lineNumber,
                     "expected section [Information] or [Permissions], found " + Quoted(header)};
}

TLicence ParseLines(std::string_view text)
{
    if (text.substr(0, Bom.size()) == Bom)
        text.remove_prefix(Bom.size());
    TLicence licence;
    TSection section = TSection::None;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (!IsValidUtf8(line))
            throw TLineError{lineNumber, "expected UTF-8 text, found bytes that are not UTF-8"};
        const std::string_view trimmed = Trimmed(line);
        if (trimmed.empty() || trimmed.front() == ';')
            continue;
        if (const auto name = SectionHeader(trimmed)) {
            section = SectionNamed(*name, trimmed, lineNumber);
            continue;
        }
        switch (section) {
        case TSection::None:
            throw TLineError{lineNumber,
                             "expected a section header [Information] or [Permissions], found " +
                                 Quoted(trimmed)};
        case TSection::Information:
            licence.Information.push_back(Utf8ToCp850(line));
            break;
        case TSection::Permissions:
            licence.Permissions.push_back(TPermissionLineParser(lineNumber).Parse(trimmed));
            break;
        }
    }
    return licence;
}

// An open file descriptor, closed when it goes out of scope.
class TFile {
public:
    explicit TFile(int fd) : Fd(fd) {}
    ~TFile()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    TFile(const TFile &) = delete;
    TFile &operator=(const TFile &) = delete;
    int Get() const { return Fd; }

private:
    int Fd;
};

// Only a regular file is read: opened without blocking and checked first, so
// a FIFO never stalls the library and a device such as /dev/zero is never
// read without end.
std::string FileContents(const std::string &path)
{
    const TFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        throw TReadError{std::strerror(errno)};
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0)
        throw TReadError{std::strerror(errno)};
    if (S_ISDIR(status.st_mode))
        throw TReadError{std::strerror(EISDIR)};
    if (!S_ISREG(status.st_mode))
        throw TReadError{"It is not a regular file"};
    std::string contents;
    char chunk[65536];
    for (;;) {
        const ssize_t count = ::read(file.Get(), chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw TReadError{std::strerror(errno)};
        if (count == 0)
            return contents;
        contents.append(chunk, std::size_t(count));
    }
}

// The text lines before the 0x1A of a licence file written by the ERP: plain
// text (no control characters but tabs), every line ended by CR LF, then
// 0x1A and data of its own. Nothing for any other file.
std::optional<std::vector<std::string>> ErpTextLines(std::string_view text)
{
    const std::size_t mark = text.find('\x1A');
    if (mark == std::string_view::npos || mark == 0 || mark + 1 == text.size())
        return std::nullopt;
    std::string_view header = text.substr(0, mark);
    if (header.size() < 2 || header.substr(header.size() - 2) != "\r\n")
        return std::nullopt;
    std::vector<std::string> lines;
    while (!header.empty()) {
        const std::size_t end = header.find("\r\n");
        const std::string_view line = header.substr(0, end);
        for (const char c : line) {
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                return std::nullopt;
            if (c == '\x7F')
                return std::nullopt;
        }
        lines.emplace_back(line);
        header.remove_prefix(end + 2);
    }
    return lines;
}

} // namespace

TLicenceReading ParseLicenceText(std::string_view text, const std::string &path)
{
    if (auto lines = ErpTextLines(text)) {
        // The ERP writes its text in the DOS code page, as the table hands it out.
        TLicence licence;
        licence.InformationOnly = true;
        licence.Information = std::move(*lines);
        licence.Information.push_back(std::string(ErpPermissionsNote));
        return {std::move(licence), true, {}};
    }
    // A DOS end-of-file mark after the text is no part of it.
    if (!text.empty() && text.back() == '\x1A')
        text.remove_suffix(1);
    try {
        return {ParseLines(text), true, {}};
    } catch (const TLineError &error) {
        const std::string where = "line " + std::to_string(error.Line) + ": " + error.Message;
        return {BrokenLicence(path + ", " + where), false, "L" + where.substr(1)};
    }
}

TLicenceReading ReadLicenceFile(const std::string &path)
{
    try {
        return ParseLicenceText(FileContents(path), path);
    } catch (const TReadError &error) {
        return {BrokenLicence("Cannot read licence file " + Quoted(path) + ": " + error.Cause),
                false, error.Cause};
    }
}

} // namespace cfront
