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

// Both sets of calls serve the one open file; only the open call tells the
// two forms apart.
int Open(char* path, CSfcDocument::Form form, char* info1, char* info2, char* info3, char* info4) {
    for (char* info : {info1, info2, info3, info4}) {
        ClearInfo(info);
    }
    if (!path) {
        return Session().Refuse(CSxfSession::OpenFailed, "no file named");
    }
    return Session().Open(path, form);
}

} // namespace

int SXFopen_part21(char* path, int, double, double, double, int, int, char* info1, char* info2,
                   char* info3, char* info4) {
    return Open(path, CSfcDocument::Sfc, info1, info2, info3, info4);
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

int SXFopen_AP202(char* path, int, double, double, double, int, int, char* info1, char* info2,
                  char* info3, char* info4) {
    return Open(path, CSfcDocument::P21, info1, info2, info3, info4);
}

int SXFread_table_AP202(int kind, void* entry, int* end) {
    return SXFread_table(kind, entry, end);
}

int SXFread_assembly_name_AP202(int kind, void*& data, int* end) {
    return SXFread_assembly_name(kind, data, end);
}

int SXFread_next_feature_AP202(char* typeName, void*& data, int* end) {
    return SXFread_next_feature(typeName, data, end);
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
    return SXFclose_part21();
}
