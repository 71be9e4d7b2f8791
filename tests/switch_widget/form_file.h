#pragma once

#include <gtest/gtest.h>
#include <QFile>
#include <QUiLoader>
#include <QWidget>
#include <memory>

// The form in the .ui file at `path`, made by QUiLoader (the Designer plugin on Qt's plugin path
// makes its switches); a failure is the test's.
inline std::unique_ptr<QWidget> LoadFormFile(const char* path) {
    QFile file(QString::fromUtf8(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    QUiLoader loader;
    std::unique_ptr<QWidget> form(loader.load(&file));
    EXPECT_NE(form, nullptr) << loader.errorString().toStdString();
    return form;
}
