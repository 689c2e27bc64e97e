#pragma once
// A view of a given size, with white background and margins of 10, on a
// document that imports a DXF fixture through the real plug-in or POR data
// through the stand-in; the view fits what it imports.

#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"
#include "tests/support/ScriptedDialogs.h"

#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

template <typename Param> class ImportedViewFixture : public ::testing::TestWithParam<Param> {
protected:
    ImportedViewFixture(int width, int height) {
        m_settings.m_bkColor = 0xFFFFFF;
        m_settings.m_marginLeft = 10;
        m_settings.m_marginTop = 10;
        m_settings.m_marginRight = 10;
        m_settings.m_marginBottom = 10;
        m_settings.m_useSheetExtent = 0;
        m_document.SetStatusBar(&m_statusBar);
        m_document.SetSettings(&m_settings);
        m_view.resize(width, height);
        m_view.SetDocument(&m_document);
    }
    ~ImportedViewFixture() override { m_document.SetStatusBar(nullptr); }

    // The fixture tests/data/dxf/<name>.
    bool ImportDxf(const std::string& name) {
        const QString path = m_folder.path() + "/" + QString::fromStdString(name);
        if (!QFile::copy(QStringLiteral(ZUMEO_TEST_DATA "/dxf/") + QString::fromStdString(name),
                         path))
            return false;
        return m_document.ImportByPlugin(CZumeoDoc::kDxfLibrary, CString::FromFilePath(path)) == 1;
    }

    bool ImportPor(const std::vector<BYTE>& bytes) {
        const QString path = m_folder.path() + "/drawing.por";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
            return false;
        file.close();
        return m_document.ImportByPlugin(GetProgramDir() + "porplugins/FakePorFile.so",
                                         CString::FromFilePath(path)) == 1;
    }

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    QStatusBar m_statusBar;
    CDrawDefaults m_settings;
    CZumeoDoc m_document;
    CZumeoView m_view{m_settings};
};
