#pragma once
// The calls of the SXF common library: ".sfc" files through the first set,
// ".p21" files through the "_AP202" set. Open, close and reads answer a
// negative number on failure and leave a message to pop; a table read
// answers the entry's code, an assembly read its code, a feature read its id
// (with a type name of at most 31 bytes); the end flag is set with the last
// one. Data handed out stay valid until their delete call or the close.
// Open clears the four 260-byte information buffers it is given.

#include "platform/sxf/SxfData.h"

int SXFopen_part21(char* path, int mode, double tolerance, double angleTolerance, double zero,
                   int level, int fileKind, char* info1, char* info2, char* info3, char* info4);
int SXFread_table(int kind, void* entry, int* end);
int SXFread_assembly_name(int kind, void*& data, int* end);
int SXFread_next_feature(char* typeName, void*& data, int* end);
int SXFdelete_feature(char* typeName, void*& data);
int SXFdelete_assembly(int kind, void*& data);
int SXFPopMsg(char*& text, int* number, char*& second);
int SXFclose_part21();

int SXFopen_AP202(char* path, int mode, double tolerance, double angleTolerance, double zero,
                  int level, int fileKind, char* info1, char* info2, char* info3, char* info4);
int SXFread_table_AP202(int kind, void* entry, int* end);
int SXFread_assembly_name_AP202(int kind, void*& data, int* end);
int SXFread_next_feature_AP202(char* typeName, void*& data, int* end);
int SXFdelete_feature_AP202(char* typeName, void*& data);
int SXFdelete_assembly_AP202(int kind, void*& data);
int SXFPopMsg_AP202(char*& text, int* number, char*& second);
int SXFclose_AP202();
