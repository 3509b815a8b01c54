// Writes generated ZRL 2 records for the benchmarks to standard output:
// realistic seasons of events, and the pathological shapes that would show a
// conversion step growing faster than its input.
//
//   generate-record events N          prologue, world, 1,000 chq/rhq lines, N events
//   generate-record headquarters N    N chq lines, all of them converted
//   generate-record long-line BYTES   one event line of about BYTES bytes
//   generate-record leading-spaces N  one event line behind N spaces
//   generate-record unknown N         N elements of no known kind
//   generate-record blank N           N blank lines between two events

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Names with Czech letters, in windows-1250 bytes.
const char* const kPlayers[] = {"\x8Aimon", "\xD8\x65ho\xF8", "Ji\xF8\xED", "Lud\xECk", "Zuzana", "Old\xF8ich", "Tom\xE1\x9A", "Kv\xECta"};
const char* const kPlaces[] = {"Praha", "Brno", "Plze\xF2", "D\xEC\xE8\xEDn", "\x8E\xEF\xE1r", "\xC8\x65sk\xE9 Bud\xECjovice", "Jihlava"};
const char* const kGoods[] = {"ocel", "uhl\xED", "d\xF8\x65vo", "obil\xED", "n\xE1\x62oj"};

constexpr const char* kLineEnd = "\r\n";

struct Writer {
    std::string buffer;
    void Line(std::string_view indent, const std::string& line)
    {
        buffer.append(indent).append(line).append(kLineEnd);
        if (buffer.size() > (1 << 20))
            Flush();
    }
    void Flush()
    {
        std::fwrite(buffer.data(), 1, buffer.size(), stdout);
        buffer.clear();
    }
};

std::string Child(char name, const std::string& value)
{
    return std::string("<") + name + ">" + value + "</" + name + ">";
}

std::string Element(const char* name, std::initializer_list<std::string> children)
{
    std::string line = std::string("<") + name + ">";
    char child = 't';
    for (const std::string& value : children) {
        line += Child(child, value);
        child = child == 't' ? 'a' : static_cast<char>(child + 1);
    }
    return line + "</" + name + ">";
}

void Prologue(Writer& out, long hqCount)
{
    out.Line("", R"(<?xml version="1.0" encoding="windows-1250"?>)");
    out.Line("", "<record>");
    out.Line("  ", Element("world", {"17", "Zorlak", "1112735948", "St\xF8\x65\x64n\xED \xC8\x65\x63hy", "l\xE9to",
                                      std::to_string(hqCount), "3", "Mapa \x8E\xEF\xE1r"}));
    out.Line("  ", "<events>");
}

void Epilogue(Writer& out)
{
    out.Line("  ", "</events>");
    out.Line("", "</record>");
}

std::string Headquarters(long k, long time)
{
    return Element("chq", {std::to_string(time), std::string(kPlaces[k % 7]) + " " + std::to_string(k),
                           std::to_string(k % 50 + 1), std::to_string(k % 9)});
}

// One event of every kind in turn, weighted towards the common ones.
std::string Event(long k, long time)
{
    const std::string t = std::to_string(time);
    const std::string a = kPlayers[k % 8];
    const std::string b = kPlayers[(k / 8 + 3) % 8];
    const std::string place = kPlaces[k % 7];
    switch (k % 10) {
    case 0:
    case 1:
        return Element("buy", {t, a, "tank", std::to_string(k % 12 + 1)});
    case 2:
    case 3:
        return Element("mov", {t, a, std::to_string(k % 97), std::to_string(k % 89)});
    case 4:
        return Element("att", {t, a, b, std::to_string(k % 30), "2", "1", "0", "vyhr\xE1l", std::to_string(k % 4)});
    case 5:
        return Element("cfd", {t, a, place});
    case 6:
        return Element("ret", {t, b, place});
    case 7:
    case 8:
        return Element("trn", {t, a, b, kGoods[k % 5]});
    default:
        return Element("trb", {t, b, a, kGoods[(k + 2) % 5]});
    }
}

int Usage()
{
    std::fputs("usage: generate-record events|headquarters|long-line|leading-spaces|unknown|blank N\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Usage();
    const std::string_view shape = argv[1];
    const long n = std::atol(argv[2]);
    const long start = 1112735948;
    Writer out;

    if (shape == "events") {
        Prologue(out, 500);
        for (long k = 0; k < 1000; ++k)
            out.Line("    ", k % 2 == 0 ? Headquarters(k, start + k) : Element("rhq", {std::to_string(start + k), kPlaces[k % 7]}));
        for (long k = 0; k < n; ++k)
            out.Line("    ", Event(k, start + 1000 + k * 7));
    } else if (shape == "headquarters") {
        Prologue(out, n);
        for (long k = 0; k < n; ++k)
            out.Line("    ", Headquarters(k, start + k));
    } else if (shape == "long-line") {
        Prologue(out, 0);
        out.Line("    ", Element("cfd", {std::to_string(start), std::string(static_cast<std::size_t>(n), 'x'), "pole"}));
    } else if (shape == "leading-spaces") {
        Prologue(out, 0);
        out.Line(std::string(static_cast<std::size_t>(n), ' '), Event(0, start));
    } else if (shape == "unknown") {
        Prologue(out, 0);
        for (long k = 0; k < n; ++k)
            out.Line("    ", Element("note", {std::to_string(start + k), kPlayers[k % 8]}));
    } else if (shape == "blank") {
        Prologue(out, 0);
        out.Line("    ", Event(0, start));
        for (long k = 0; k < n; ++k)
            out.Line("", "");
        out.Line("    ", Event(1, start + 1));
    } else {
        return Usage();
    }
    Epilogue(out);
    out.Flush();
    return std::fflush(stdout) == 0 ? 0 : 1;
}
