#include "plugins/sxf/CSxfLibraryReader.h"

#include "platform/sxf/SxfData.h"
#include "platform/win/PlatformWindow.h"
#include "plugins/sxf/CSxfCompositeCurve.h"
#include "plugins/sxf/CSxfFeatureFactory.h"
#include "plugins/sxf/CSxfLibraryCalls.h"
#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/CSxfSfigOrg.h"
#include "plugins/sxf/CSxfSheet.h"

#include <array>
#include <vector>

namespace {

constexpr int OpenMode = 0;
constexpr double Tolerance = 1e-6;
constexpr double AngleTolerance = 1e-6;
constexpr double Zero = 0.0;
constexpr int Level = 2;
constexpr std::size_t InfoSize = 260;
constexpr std::size_t TypeNameSize = 64;
constexpr int ProgressRange = 10;

// Counts reads that neither gave something nor set the end flag. One the
// library reports with a message has moved past a feature that is counted
// as left out: only a far longer run of those ends the loop.
class FailedReads {
public:
    // True while the loop may go on.
    bool Count(bool failed, bool reported = false) {
        if (!failed) {
            m_silent = m_reported = 0;
            return true;
        }
        ++(reported ? m_reported : m_silent);
        return m_silent < CSxfLibraryReader::MaxFailedReadsInARow &&
               m_reported < CSxfLibraryReader::MaxReportedFailuresInARow;
    }

private:
    int m_silent = 0;
    int m_reported = 0;
};

} // namespace

void CSxfLibraryReader::SendRange() {
    SendMessage(m_reader.Progress(), PBM_SETRANGE32, 0, ProgressRange);
}

void CSxfLibraryReader::SendPos(int position) {
    SendMessage(m_reader.Progress(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

bool CSxfLibraryReader::PopMessage() {
    // The library's message is taken off its queue; the caller reports the
    // failure in its own words.
    char empty[] = "";
    char* text = empty;
    char* second = empty;
    int number = 0;
    m_calls.popMessage(text, &number, second);
    return number != 0;
}

int CSxfLibraryReader::Read(const CString& path) {
    std::vector<char> writablePath(path.c_str(), path.c_str() + path.GetLength() + 1);
    SendRange();
    SendPos(0);
    std::array<std::array<char, InfoSize>, 4> info{};
    if (m_calls.open(writablePath.data(), OpenMode, Tolerance, AngleTolerance, Zero, Level,
                     m_calls.fileKind, info[0].data(), info[1].data(), info[2].data(),
                     info[3].data()) < 0) {
        PopMessage();
        return 0;
    }
    SendPos(5);
    ReadTables();
    SendPos(6);
    ReadAssemblies(SxfAssemblyCompositeCurve);
    SendPos(7);
    ReadAssemblies(SxfAssemblySfigOrg);
    SendPos(8);
    ReadAssemblies(SxfAssemblySheet);
    if (m_calls.close() < 0) {
        PopMessage();
        return 0;
    }
    SendRange();
    m_reader.CopySheetToOutput();
    return 1;
}

void CSxfLibraryReader::ReadTables() {
    for (int kind = SxfTableLayer; kind <= SxfTableTextFont; ++kind) {
        FailedReads failed;
        int end = 0;
        do {
            SxfTableEntry entry{};
            end = 0;
            const int code = m_calls.readTable(kind, &entry, &end);
            if (code > 0) {
                m_reader.AddTableEntry(kind, code, entry);
            }
            if (!failed.Count(code <= 0 && !end)) {
                break;
            }
        } while (!end);
    }
}

void CSxfLibraryReader::ReadAssemblies(int kind) {
    FailedReads failed;
    int end = 0;
    do {
        void* data = nullptr;
        end = 0;
        const int code = m_calls.readAssembly(kind, data, &end);
        if (code < 0 || !data) {
            // No sheet ends the sheet step; other kinds try the next read.
            if (kind == SxfAssemblySheet || !failed.Count(!end)) {
                break;
            }
            continue;
        }
        failed.Count(false);
        if (kind == SxfAssemblyCompositeCurve) {
            auto curve = std::make_unique<CSxfCompositeCurve>(
                code, &m_reader, *static_cast<const SxfCompositeCurveData*>(data));
            m_calls.deleteAssembly(kind, data);
            ReadFeatures(*curve, Members::Curves);
            m_reader.AddCompositeCurve(std::move(curve));
        } else if (kind == SxfAssemblySfigOrg) {
            auto definition = std::make_unique<CSxfSfigOrg>(
                code, &m_reader, *static_cast<const SxfSfigOrgData*>(data));
            m_calls.deleteAssembly(kind, data);
            ReadFeatures(*definition, Members::Features);
            m_reader.AddSfigOrg(std::move(definition));
        } else {
            auto sheet = std::make_unique<CSxfSheet>(code, &m_reader,
                                                     *static_cast<const SxfSheetData*>(data));
            m_calls.deleteAssembly(kind, data);
            ReadFeatures(*sheet, Members::Features);
            m_reader.SetSheet(std::move(sheet));
        }
    } while (!end);
}

void CSxfLibraryReader::ReadFeatures(CSxfAssembly& assembly, Members members) {
    FailedReads failed;
    int end = 0;
    do {
        char typeName[TypeNameSize] = {};
        void* data = nullptr;
        end = 0;
        const int id = m_calls.readNextFeature(typeName, data, &end);
        if (id < 1) {
            // A feature the library could not read is left out of the
            // drawing, and the user is told how many were.
            const bool reported = PopMessage();
            if (reported) {
                m_reader.CountLeftOut();
            }
            if (!failed.Count(!end, reported)) {
                // What the loop did not reach is left out too: at least one.
                m_reader.CountLeftOut();
                break;
            }
            continue;
        }
        failed.Count(false);
        auto object = members == Members::Curves
                          ? CSxfFeatureFactory::CreateCurve(typeName, data, id, &m_reader)
                          : CSxfFeatureFactory::Create(typeName, data, id, &m_reader);
        if (object) {
            assembly.AddMember(std::move(object));
        }
        m_calls.deleteFeature(typeName, data);
    } while (!end);
}
