#pragma once
// One SXF conversion: the file read through the SXF library into tables,
// composite curves, sub-figure definitions and the sheet, the lookups every
// feature writes with, and the POR block made of it all.

#include "image/CPictureFiles.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "plugins/sxf/CSxfColourTable.h"
#include "plugins/sxf/CSxfLineTypeTable.h"
#include "plugins/sxf/CSxfObject.h"
#include "plugins/sxf/CSxfSettings.h"
#include "plugins/sxf/CSxfSfigExpansion.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CSxfCompositeCurve;
class CSxfLayer;
class CSxfLineWidth;
class CSxfPreColour;
class CSxfPreLineType;
class CSxfSfigOrg;
class CSxfSheet;
class CSxfTextFont;
class CSxfUserColour;
class CSxfUserLineType;
struct CSxfLibraryCalls;
union SxfTableEntry;

class CSxfReader {
public:
    static constexpr int DefaultUnitScale = 1000;
    static constexpr const char* DefaultLayerName = "0";
    static constexpr LONG HeaderVersion = 3002;

    // copyBudget: what sub-figure placements may copy in all, each copy
    // costing 1 plus its points.
    CSxfReader(HWND progress, const CSxfSettings& settings,
               std::size_t copyBudget = CSxfSfigExpansion::DefaultBudget);
    ~CSxfReader();
    CSxfReader(const CSxfReader&) = delete;
    CSxfReader& operator=(const CSxfReader&) = delete;

    // The POR block of an ".sfc" or ".p21" file (CP932 path), unlocked and
    // owned by the caller; null when the file cannot be read, has no sheet or
    // has another extension.
    HGLOBAL MakePORData(const CString& path);
    // Read the file into the reader: 1 done, 0 failed.
    int ReadSfc(const CString& path);
    int ReadP21(const CString& path);
    // The same over any set of library calls.
    int Read(const CString& path, const CSxfLibraryCalls& calls);

    // Lookups by the codes of the features.
    int UnitScale() const { return m_unitScale; }
    COLORREF Colour(int code) const { return m_colours.Colour(code); }
    CString LayerName(int code) const;
    CString FontName(int code) const;
    double LineWidth(int code) const;
    LONG LineTypeId(int code) const;
    int PenWidthRate() const { return m_settings.penWidthRate; }
    int DashPichRate() const { return m_settings.dashPichRate; }
    double TextRate() const { return m_settings.textRate; }

    // The first sub-figure definition of that name, or null.
    const CSxfSfigOrg* FindSfigOrg(const char* name) const;
    // The first composite curve of that number, or null.
    const CSxfCompositeCurve* FindCompositeCurve(int code) const;

    // Filled while the file is read.
    void AddTableEntry(int kind, int code, const SxfTableEntry& entry);
    void AddCompositeCurve(std::unique_ptr<CSxfCompositeCurve> curve);
    void AddSfigOrg(std::unique_ptr<CSxfSfigOrg> definition);
    // A feature the library could not read: the header tells how many.
    void CountLeftOut() { ++m_unread; }
    // What the header counts as left out: the features the library could not
    // read, those the sub-figure expansion cut and, once the block is
    // written, the pictures left out for their budget.
    std::size_t LeftOut() const;
    // A later sheet replaces an earlier one.
    void SetSheet(std::unique_ptr<CSxfSheet> sheet);
    CSxfSheet* Sheet() const { return m_sheet.get(); }
    // The sheet's members copied for writing, placements expanded under one
    // budget for the whole drawing.
    void CopySheetToOutput();

    HWND Progress() const { return m_progress; }
    const CSxfLineTypeTable& LineTypes() const { return m_lineTypes; }
    const CSxfObjectList& Output() const { return m_output; }
    const std::vector<std::unique_ptr<CSxfLayer>>& Layers() const { return m_layers; }

private:
    HGLOBAL WriteBlock();

    HWND m_progress;
    int m_unitScale = DefaultUnitScale;
    std::size_t m_unread = 0;
    CSxfSettings m_settings;
    std::unique_ptr<CSxfSheet> m_sheet;
    std::vector<std::unique_ptr<CSxfSfigOrg>> m_sfigOrgs;
    // The first definition of each name.
    std::unordered_map<std::string, const CSxfSfigOrg*> m_sfigOrgsByName;
    std::vector<std::unique_ptr<CSxfCompositeCurve>> m_compositeCurves;
    std::vector<std::unique_ptr<CSxfLayer>> m_layers;
    std::vector<std::unique_ptr<CSxfPreColour>> m_preColours;
    std::vector<std::unique_ptr<CSxfUserColour>> m_userColours;
    std::vector<std::unique_ptr<CSxfPreLineType>> m_preLineTypes;
    std::vector<std::unique_ptr<CSxfUserLineType>> m_userLineTypes;
    std::vector<std::unique_ptr<CSxfLineWidth>> m_lineWidths;
    std::vector<std::unique_ptr<CSxfTextFont>> m_textFonts;
    CSxfObjectList m_output;
    CSxfColourTable m_colours;
    CSxfLineTypeTable m_lineTypes;
    std::size_t m_copyBudget;
    std::size_t m_cutByExpansion = 0;
    // The picture files placed while the block is written, under one
    // budget; the block's writing hands them down the placements.
    CPictureFiles m_pictures;
};
