#include "entities/EntityRecordClasses.h"

#include "entities/CRecordClassTable.h"
#include "entities/CRukArc.h"
#include "entities/CRukBezier.h"
#include "entities/CRukCBezier.h"
#include "entities/CRukCNurbs.h"
#include "entities/CRukCSpline.h"
#include "entities/CRukCircle.h"
#include "entities/CRukDot.h"
#include "entities/CRukEArc.h"
#include "entities/CRukEllipse.h"
#include "entities/CRukGroup.h"
#include "entities/CRukHatch.h"
#include "entities/CRukIFrame.h"
#include "entities/CRukInsert.h"
#include "entities/CRukLine.h"
#include "entities/CRukNurbs.h"
#include "entities/CRukPolygon.h"
#include "entities/CRukPolyline.h"
#include "entities/CRukSpline.h"
#include "entities/CRukText.h"
#include "por/PorRecords.h"

void AddEntityRecordClasses(CRecordClassTable& table) {
    table.Add<CRukLine>(PorLine::Type);
    table.Add<CRukPolyline>(PorPolyline::Type);
    table.Add<CRukPolygon>(PorPolygon::Type);
    table.Add<CRukBezier>(PorBezier::Type);
    table.Add<CRukCircle>(PorCircle::Type);
    table.Add<CRukEllipse>(PorEllipse::Type);
    table.Add<CRukArc>(PorArc::Type);
    table.Add<CRukEArc>(PorEArc::Type);
    table.Add<CRukText>(PorText::Type);
    table.Add<CRukIFrame>(PorIFrame::Type);
    table.Add<CRukDot>(PorDot::Type);
    table.Add<CRukGroup>(PorGroup::Type);
    table.Add<CRukSpline>(PorSpline::Type);
    table.Add<CRukCSpline>(PorCSpline::Type);
    table.Add<CRukInsert>(PorInsert::Type);
    table.Add<CRukHatch>(PorHatch::Type);
    table.Add<CRukCBezier>(PorCBezier::Type);
    table.Add<CRukNurbs>(PorNurbs::Type);
    table.Add<CRukCNurbs>(PorCNurbs::Type);
}
