#pragma once
// Writes a file without ever destroying the previous good copy: the data
// goes into a new file beside it, which replaces the old one by a rename
// only once it was written whole. A temporary file not committed is
// removed again.

#include <cstddef>
#include <string>

class CReplacingFile {
public:
    // path: CP932, like every path of the program.
    explicit CReplacingFile(const char* path);
    ~CReplacingFile();
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;

    // False when the file beside could not be made (a missing folder, no
    // right to write there).
    bool IsOpen() const { return m_descriptor >= 0; }
    // The file beside, for writers that open it by name; empty when none.
    const std::string& TemporaryPath() const { return m_temporary; }
    // Writes all bytes; false when the disk refused any.
    bool Write(const void* data, std::size_t size);
    // Closes the file beside and renames it over the target.
    bool Commit();

private:
    std::string m_target;
    std::string m_temporary;
    int m_descriptor = -1;
    bool m_failed = false;
};
