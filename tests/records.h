#pragma once
// The pieces of the ZRL 2 records the tests write.

#include <string>

namespace zrltest {

inline const std::string kDeclaration = R"(<?xml version="1.0" encoding="windows-1250"?>)";

// A world line whose header line 1 reads "T; Alfa; hqCount; D; E; G;".
inline std::string World(const std::string& hqCount = "0", const std::string& time = "0")
{
    return "<world><a>0</a><b>Alfa</b><c>" + time + "</c><d>D</d><e>E</e><f>" + hqCount +
           "</f><g>G</g><h>Mapa</h></world>";
}

// A whole record as a file holds it, with CR LF line ends: the prologue with
// World(hqCount) as line 2, the lines of events from line 4 on (each ended
// by CR LF), then "</events>" and "</record>".
inline std::string RecordText(const std::string& hqCount, const std::string& events)
{
    return kDeclaration + "\r\n<record>\r\n" + World(hqCount) + "\r\n<events>\r\n" + events +
           "</events>\r\n</record>\r\n";
}

} // namespace zrltest
