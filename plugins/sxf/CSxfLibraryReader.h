#pragma once
// Reads one SXF file into a reader by driving a set of SXF library calls:
// open, the seven tables, the composite curves, the sub-figure definitions,
// the sheet, close; then the sheet's members are copied for writing. Every
// loop ends with the library's end flag, or after a run of failed reads, so
// a library that never sets the flag cannot hold the conversion forever.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <memory>

class CSxfAssembly;
class CSxfObject;
class CSxfReader;
struct CSxfLibraryCalls;

class CSxfLibraryReader {
public:
    static constexpr int MaxFailedReadsInARow = 1000;
    // Failed reads that the library reports each move past one feature.
    static constexpr int MaxReportedFailuresInARow = 1'000'000;

    CSxfLibraryReader(CSxfReader& reader, const CSxfLibraryCalls& calls)
        : m_reader(reader), m_calls(calls) {}

    // 1 when the file was read, 0 when it could not be opened or closed.
    int Read(const CString& path);

private:
    enum class Members { Curves, Features };

    void ReadTables();
    void ReadAssemblies(int kind);
    void ReadFeatures(CSxfAssembly& assembly, Members members);
    // True when a message was waiting.
    bool PopMessage();
    void SendRange();
    void SendPos(int position);

    CSxfReader& m_reader;
    const CSxfLibraryCalls& m_calls;
};
