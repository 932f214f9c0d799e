// Writes the code page 932 tables of src/catalog/cp932.cpp: every one- and two-byte code and every BMP
// character is put through glibc's iconv "CP932", so the tables say what iconv says.
// Usage: cp932gen <output .cpp>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <iconv.h>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::uint16_t None = 0xFFFF;

// The characters that code page 932 writes but reads back as other characters; refused by the encoder.
const std::set<std::uint16_t> OneWay{0x00A2, 0x00A3, 0x00A5, 0x00AC, 0x2014, 0x2016, 0x203E, 0x2212, 0x301C};

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "cp932gen: %s\n", message.c_str());
    std::exit(1);
}

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            fail(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // All of in converted, or nothing.
    bool convert(const std::string& in, std::string& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
            return false;
        out.assign(buffer, outPtr);
        return true;
    }

private:
    iconv_t m_cd;
};

// The one UTF-16 unit that bytes decode to, or None.
std::uint16_t decodeOne(Converter& decoder, const std::string& bytes) {
    std::string out;
    if (!decoder.convert(bytes, out))
        return None;
    if (out.size() != 2)
        fail("a code that is not one UTF-16 unit");
    const std::uint16_t unit =
        static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]));
    if (unit == None)
        fail("a code for U+FFFF");
    return unit;
}

void writeArray(std::FILE* file, const char* declaration, const std::vector<std::uint16_t>& values) {
    std::fprintf(file, "%s = {", declaration);
    for (size_t i = 0; i < values.size(); ++i)
        std::fprintf(file, "%s0x%04X,", i % 16 == 0 ? "\n    " : " ", values[i]);
    std::fprintf(file, "\n};\n\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cp932gen <output .cpp>\n");
        return 2;
    }
    Converter decoder("UTF-16BE", "CP932");
    Converter encoder("CP932", "UTF-16BE");

    std::vector<std::uint16_t> single(256, None);
    std::vector<std::uint16_t> leadRow(256, 0);
    // Row 0 is for the bytes that start no two-byte code.
    std::vector<std::uint16_t> pairs(256, None);
    for (int byte = 0; byte < 256; ++byte) {
        const std::string code(1, static_cast<char>(byte));
        single[byte] = decodeOne(decoder, code);
        if (single[byte] != None)
            continue;
        std::vector<std::uint16_t> row(256, None);
        bool lead = false;
        for (int trail = 0; trail < 256; ++trail) {
            row[trail] = decodeOne(decoder, code + static_cast<char>(trail));
            lead = lead || row[trail] != None;
        }
        if (!lead)
            continue;
        leadRow[byte] = static_cast<std::uint16_t>(pairs.size() / 256);
        pairs.insert(pairs.end(), row.begin(), row.end());
    }
    // The readers find quotes, commas, blanks and line ends among the bytes: no byte below 0x40 may be part of a
    // two-byte code, and ASCII must stand for itself both ways.
    for (int byte = 0; byte < 0x80; ++byte) {
        if (single[byte] != byte)
            fail("a byte below 0x80 that is not its ASCII character");
    }
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i] != None && i % 256 < 0x40)
            fail("a two-byte code with a trail byte below 0x40");
    }

    std::vector<std::uint16_t> encoding(0x10000, None);
    std::set<std::uint16_t> oneWay;
    for (int c = 0; c < 0x10000; ++c) {
        const std::string unit{static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
        std::string bytes;
        if (!encoder.convert(unit, bytes))
            continue;
        if (bytes.empty() || bytes.size() > 2)
            fail("a character that is not one or two bytes");
        if (decodeOne(decoder, bytes) != c) {
            oneWay.insert(static_cast<std::uint16_t>(c));
            continue;
        }
        const auto first = static_cast<unsigned char>(bytes[0]);
        encoding[c] =
            bytes.size() == 1 ? first : static_cast<std::uint16_t>(first << 8 | static_cast<unsigned char>(bytes[1]));
    }
    if (oneWay != OneWay)
        fail("iconv writes other characters one way than the nine expected");
    for (int c = 0; c < 0x80; ++c) {
        if (encoding[c] != c)
            fail("an ASCII character that is not its own byte");
    }

    std::FILE* file = std::fopen(argv[1], "w");
    if (!file)
        fail(std::string("cannot write ") + argv[1]);
    std::fprintf(file, "// Written by cp932gen from glibc's iconv \"CP932\"; do not edit.\n"
                       "#include \"cp932_tables.h\"\n\n"
                       "namespace Cp932Tables {\n\n");
    writeArray(file, "const char16_t single[256]", single);
    writeArray(file, "const std::uint8_t leadRow[256]", leadRow);
    writeArray(file, ("const char16_t pairs[" + std::to_string(pairs.size() / 256) + "][256]").c_str(), pairs);
    writeArray(file, "const std::uint16_t encoding[0x10000]", encoding);
    std::fprintf(file, "} // namespace Cp932Tables\n");
    if (std::fclose(file) != 0)
        fail(std::string("cannot write ") + argv[1]);
    return 0;
}
