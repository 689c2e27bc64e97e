// A library with a caption but no pattern list.

#include "tests/app/plugins/fakes/FakeExport.h"

FAKE_EXPORT const char* VP_GetFilterComment();

const char* VP_GetFilterComment() {
    return "Comment only";
}
