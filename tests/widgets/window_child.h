#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QString>
#include <cstddef>
#include <stdexcept>

#include "widgets/named_widgets.h"

// A widget of a window, found by its layout name as everything outside the window finds it.
// A missing one fails the running test with the window, kind and name, and ends the test.
template <typename W>
W* Child(const QObject& window, const QString& name) {
    try {
        return &widgets::NamedChild<W>(window, name);
    } catch (const std::out_of_range& missing) {
        ADD_FAILURE() << missing.what();
        throw;
    }
}

// Element `index` of a widget array (optCode_0, CWBtnSensorError_4).
template <typename W>
W* Child(const QObject& window, const char* array, std::size_t index) {
    return Child<W>(window, widgets::ElementName(array, index));
}
