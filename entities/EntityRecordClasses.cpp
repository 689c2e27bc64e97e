#include "entities/EntityRecordClasses.h"

#include "entities/CRecordClassTable.h"
#include "entities/CRukGroup.h"
#include "entities/CRukIFrame.h"
#include "entities/CRukInsert.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "por/PorRecords.h"

void AddEntityRecordClasses(CRecordClassTable& table) {
    table.Add<CRukLine>(PorLine::Type);
    table.Add<CRukPolyline>(PorPolyline::Type);
    table.Add<CRukPolygon>(PorPolygon::Type);
    table.Add<CRukIFrame>(PorIFrame::Type);
    table.Add<CRukGroup>(PorGroup::Type);
    table.Add<CRukInsert>(PorInsert::Type);
}
