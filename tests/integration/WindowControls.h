#pragma once
// The program's windows driven as a user drives them, for the tests against the server.

#include "pages/DialogRecord.h"
#include "platform/ControlId.h"

#include <QAbstractButton>
#include <QComboBox>

#include <gtest/gtest.h>

// Chooses entry index of the page's drop-down list id.
inline void Choose(QWidget& page, int id, int index)
{
    auto* combo = platform::FindControl<QComboBox>(&page, id);
    ASSERT_NE(combo, nullptr) << id;
    ASSERT_LT(index, combo->count()) << id;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// Clicks the button or box id of window (a window or a page); it must be usable.
inline void Click(QWidget* window, int id)
{
    auto* button = platform::FindControl<QAbstractButton>(window, id);
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(button->isEnabled()) << id;
    button->click();
}
