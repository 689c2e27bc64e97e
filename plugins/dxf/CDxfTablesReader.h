#pragma once
// Reads the TABLES section: the LAYER and LTYPE entries that colours and
// line types are resolved from. Other tables are skipped.

class CDxfFile;
class CDxfLayerTable;
class CDxfLineTypeTable;
class CDxfTextDecoder;

class CDxfTablesReader {
public:
    CDxfTablesReader(CDxfFile& file, const CDxfTextDecoder& decoder, CDxfLayerTable& layers,
                     CDxfLineTypeTable& lineTypes)
        : m_file(file), m_decoder(decoder), m_layers(layers), m_lineTypes(lineTypes) {}

    // Up to and including ENDSEC, or the end of the file.
    void Read();

private:
    // Each entry reads up to the next code-0 group, which it pushes back, and
    // is kept only when it has a name.
    void ReadLayer();
    void ReadLineType();

    CDxfFile& m_file;
    const CDxfTextDecoder& m_decoder;
    CDxfLayerTable& m_layers;
    CDxfLineTypeTable& m_lineTypes;
};
