#include "ui/CSettingsValues.h"

#include "settings/CDrawDefaults.h"

#include <cmath>
#include <iterator>

namespace {

using V = CSettingsValues;
using R = CDrawDefaults;

// The whole-number values and their fields in the record.
struct IntField {
    int V::*value;
    int R::*record;
};

constexpr IntField kIntFields[] = {
    {&V::mono, &R::m_mono},
    {&V::viewMarginBottom, &R::m_marginBottom},
    {&V::viewMarginLeft, &R::m_marginLeft},
    {&V::viewMarginRight, &R::m_marginRight},
    {&V::viewMarginTop, &R::m_marginTop},
    {&V::fitRange, &R::m_useSheetExtent},
    {&V::viewOrder, &R::m_viewOrder},
    {&V::printMarginBottom, &R::m_printMarginBottom},
    {&V::printMarginLeft, &R::m_printMarginLeft},
    {&V::printMarginRight, &R::m_printMarginRight},
    {&V::printMarginTop, &R::m_printMarginTop},
    {&V::printRange, &R::m_printRange},
    {&V::printColorMode, &R::m_printColorMode},
    {&V::imageStretchMode, &R::m_imageStretchMode},
    {&V::imageTransparent, &R::m_imageTransparent},
    {&V::undoMax, &R::m_undoMax},
    {&V::saveConfirm, &R::m_saveConfirm},
};

// The sizes, doubles in the record, whole numbers in the copy: the three
// text sizes, the three arrow sizes and the cloud spacing.
constexpr int V::*kSizeValues[] = {&V::textLarge,  &V::textStandard,  &V::textSmall,
                                   &V::arrowLarge, &V::arrowStandard, &V::arrowSmall,
                                   &V::cloudSpace};

template <class Record> auto& SizeInRecord(Record& record, int index) {
    if (index < 3)
        return record.m_markupTextSize[index];
    if (index < 6)
        return record.m_markupArrowSize[index - 3];
    return record.m_cloudSpace;
}

constexpr int kSizeCount = static_cast<int>(std::size(kSizeValues));

} // namespace

CSettingsValues CSettingsValues::FromRecord(const CDrawDefaults& record) {
    CSettingsValues values;
    values.bkColor = record.m_bkColor;
    values.selColor = record.m_selColor;
    values.converterPath = record.m_converterPath;
    for (const IntField& field : kIntFields)
        values.*field.value = record.*field.record;
    for (int i = 0; i < kSizeCount; ++i)
        values.*kSizeValues[i] = static_cast<int>(std::trunc(SizeInRecord(record, i)));
    return values;
}

void CSettingsValues::ApplyTo(CDrawDefaults& record) const {
    record.m_bkColor = record.m_curBkColor = bkColor;
    record.m_selColor = record.m_curSelColor = selColor;
    record.m_converterPath = converterPath;
    for (const IntField& field : kIntFields)
        record.*field.record = this->*field.value;
    for (int i = 0; i < kSizeCount; ++i)
        SizeInRecord(record, i) = this->*kSizeValues[i];
}
