#pragma once
// A document, a folder for the drawings and their side files, scripted
// message boxes and a status bar, and POR blocks written as drawings that
// the stand-in plug-in hands over as they are.

#include "app/CZumeoDoc.h"
#include "entities/CRukLayer.h"
#include "platform/win/PathFunctions.h"
#include "por/PorBlockWriter.h"
#include "settings/CDrawDefaults.h"
#include "tests/por/PorTestData.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

#include <span>
#include <string>
#include <vector>

// The stand-in that hands a drawing file over as its POR data.
inline CString PorPlugIn() {
    return GetProgramDir() + "porplugins/FakePorFile.so";
}

inline PorRecordBuilder MakeLayer(const char* name, LONG visible) {
    PorRecordBuilder layer(PorLayer::Type);
    layer.Set(PorLayer::Visible, visible);
    layer.Set(PorLayer::Name, name);
    return layer;
}

inline PorRecordBuilder MakeNamedLine(const char* id, POINT start, POINT end, const char* layer) {
    PorRecordBuilder line(PorLine::Type);
    line.Set(PorLine::Start, start);
    line.Set(PorLine::End, end);
    line.Set(PorLine::Pen, PorPen{1, 1000, 25, 0});
    line.Set(PorLine::Id, id);
    line.Set(PorLine::Layer, layer);
    return line;
}

// The layers' names in list order.
inline std::vector<std::string> LayerNames(const CObList& layers) {
    std::vector<std::string> names;
    for (POSITION position = layers.GetHeadPosition(); position;)
        names.push_back(static_cast<const CRukLayer*>(layers.GetNext(position))->m_name.str());
    return names;
}

inline std::vector<BYTE> ReadBytes(const CString& path) {
    QFile file(path.ToFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    return std::vector<BYTE>(data.begin(), data.end());
}

inline void WriteBytes(const CString& path, std::span<const BYTE> bytes) {
    QFile file(path.ToFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

class ImportFixture : public ::testing::Test {
protected:
    ImportFixture() { m_document.SetStatusBar(&m_statusBar); }

    // "<folder>/<name>".
    CString PathOf(const char* name) const {
        return CString::FromFilePath(m_folder.path()) + "/" + name;
    }

    // The test data file "<dataFolder>/<fixture>" copied to "<folder>/<name>",
    // so the side files of its import go there too.
    CString CopyFixture(const char* dataFolder, const char* fixture, const char* name) const {
        const CString path = PathOf(name);
        EXPECT_TRUE(QFile::copy(QString::fromUtf8(ZUMEO_TEST_DATA "/") +
                                    QString::fromUtf8(dataFolder) + QLatin1Char('/') +
                                    QString::fromUtf8(fixture),
                                path.ToFilePath()));
        return path;
    }

    // The block as the drawing "<folder>/<name>".
    CString WriteDrawing(const char* name, std::span<const BYTE> block) const {
        const CString path = PathOf(name);
        WriteBytes(path, block);
        return path;
    }

    // An executable script "<folder>/<name>" with the body after "#!/bin/sh".
    CString WriteScript(const char* name, const QString& body) const {
        const CString path = PathOf(name);
        QFile file(path.ToFilePath());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body.toUtf8() + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    // A folder-form converter: writes "<name>.dxf" into the output folder
    // for every "<name>.dwg" of the input folder, after noting its arguments.
    CString WriteFolderFormConverter() const {
        return WriteScript(
            "TeighaFileConverter.exe",
            QStringLiteral("printf '%s\\n' \"$@\" > \"") + m_folder.path() +
                QStringLiteral("/args\"\nfor f in \"$1\"/*.dwg; do n=$(basename \"$f\" .dwg); "
                               "cp \"$f\" \"$2/$n.dxf\"; done"));
    }

    int Import(const char* name, std::span<const BYTE> block) {
        return m_document.ImportByPlugin(PorPlugIn(), WriteDrawing(name, block));
    }

    // A drawing of one line on layer "0", with a header of that unit.
    static std::vector<BYTE> OneLine(LONG unit = 1000) {
        PorBlockWriter block;
        block.Append(MakeHeader(3003, unit));
        block.Append(MakeNamedLine("L1", {0, 0}, {unit * 10, unit * 5}, "0"));
        block.Append(MakeEnd());
        const auto data = block.Data();
        return {data.begin(), data.end()};
    }

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    QStatusBar m_statusBar;
    CZumeoDoc m_document;
};
