#include "plugins/sxf/CSxfLibraryCalls.h"

#include "platform/sxf/SxfCommonLib.h"

const CSxfLibraryCalls& CSxfLibraryCalls::Sfc() {
    static const CSxfLibraryCalls calls{SXFopen_part21,
                                        SXFread_table,
                                        SXFread_assembly_name,
                                        SXFread_next_feature,
                                        SXFdelete_feature,
                                        SXFdelete_assembly,
                                        SXFPopMsg,
                                        SXFclose_part21,
                                        1};
    return calls;
}

const CSxfLibraryCalls& CSxfLibraryCalls::P21() {
    static const CSxfLibraryCalls calls{SXFopen_AP202,
                                        SXFread_table_AP202,
                                        SXFread_assembly_name_AP202,
                                        SXFread_next_feature_AP202,
                                        SXFdelete_feature_AP202,
                                        SXFdelete_assembly_AP202,
                                        SXFPopMsg_AP202,
                                        SXFclose_AP202,
                                        2};
    return calls;
}
