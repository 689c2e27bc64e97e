#pragma once
// Reads the TABLES section: the LAYER and LTYPE entries that colours and
// line types are resolved from, and the STYLE, DIMSTYLE and BLOCK_RECORD
// entries that texts, dimensions and leaders look up. Other tables are
// skipped.

class CDxfFile;
class CDxfLayerTable;
class CDxfLineTypeTable;
class CDxfStyleTables;
class CDxfTextDecoder;

class CDxfTablesReader {
public:
    CDxfTablesReader(CDxfFile& file, const CDxfTextDecoder& decoder, CDxfLayerTable& layers,
                     CDxfLineTypeTable& lineTypes, CDxfStyleTables& styles)
        : m_file(file), m_decoder(decoder), m_layers(layers), m_lineTypes(lineTypes),
          m_styles(styles) {}

    // Up to and including ENDSEC, or the end of the file.
    void Read();

private:
    // Each entry reads up to the next code-0 group, which it pushes back, and
    // is kept only when it has a name.
    void ReadLayer();
    void ReadLineType();
    void ReadTextStyle();
    void ReadDimStyle();
    void ReadBlockRecord();
    // Calls take for each group of the entry.
    template <typename Take> void ReadEntry(Take take);

    CDxfFile& m_file;
    const CDxfTextDecoder& m_decoder;
    CDxfLayerTable& m_layers;
    CDxfLineTypeTable& m_lineTypes;
    CDxfStyleTables& m_styles;
};
