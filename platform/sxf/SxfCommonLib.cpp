#include "platform/sxf/SxfCommonLib.h"

#include "platform/sxf/CSxfSession.h"

namespace {

CSxfSession& Session() {
    return CSxfSession::Instance();
}

void ClearInfo(char* info) {
    if (info) {
        info[0] = '\0';
    }
}

} // namespace

int SXFopen_part21(char* path, int, double, double, double, int, int, char* info1, char* info2,
                   char* info3, char* info4) {
    for (char* info : {info1, info2, info3, info4}) {
        ClearInfo(info);
    }
    if (!path) {
        return Session().Refuse(CSxfSession::OpenFailed, "no file named");
    }
    return Session().Open(path);
}

int SXFread_table(int kind, void* entry, int* end) {
    return Session().ReadTable(kind, entry, end);
}

int SXFread_assembly_name(int kind, void*& data, int* end) {
    return Session().ReadAssembly(kind, data, end);
}

int SXFread_next_feature(char* typeName, void*& data, int* end) {
    return Session().ReadNextFeature(typeName, data, end);
}

// The data belong to the open file and go with it: a delete only lets go.
int SXFdelete_feature(char*, void*& data) {
    data = nullptr;
    return 0;
}

int SXFdelete_assembly(int, void*& data) {
    data = nullptr;
    return 0;
}

int SXFPopMsg(char*& text, int* number, char*& second) {
    const int popped = Session().PopMessage(text, second);
    if (number) {
        *number = popped;
    }
    return popped;
}

int SXFclose_part21() {
    return Session().Close();
}

// ".p21" files are not read yet: opening one fails cleanly, and nothing can
// be read without an open file.
int SXFopen_AP202(char*, int, double, double, double, int, int, char* info1, char* info2,
                  char* info3, char* info4) {
    for (char* info : {info1, info2, info3, info4}) {
        ClearInfo(info);
    }
    return Session().Refuse(CSxfSession::FormatNotSupported, "\".p21\" files cannot be read");
}

int SXFread_table_AP202(int, void*, int* end) {
    if (end) {
        *end = 1;
    }
    return Session().Refuse(CSxfSession::NotOpen, "no \".p21\" file is open");
}

int SXFread_assembly_name_AP202(int, void*& data, int* end) {
    data = nullptr;
    if (end) {
        *end = 1;
    }
    return Session().Refuse(CSxfSession::NotOpen, "no \".p21\" file is open");
}

int SXFread_next_feature_AP202(char*, void*& data, int* end) {
    data = nullptr;
    if (end) {
        *end = 1;
    }
    return Session().Refuse(CSxfSession::NotOpen, "no \".p21\" file is open");
}

int SXFdelete_feature_AP202(char* typeName, void*& data) {
    return SXFdelete_feature(typeName, data);
}

int SXFdelete_assembly_AP202(int kind, void*& data) {
    return SXFdelete_assembly(kind, data);
}

int SXFPopMsg_AP202(char*& text, int* number, char*& second) {
    return SXFPopMsg(text, number, second);
}

int SXFclose_AP202() {
    return Session().Refuse(CSxfSession::NotOpen, "no \".p21\" file is open");
}
