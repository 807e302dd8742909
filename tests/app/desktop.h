#pragma once
// The private desktop of the tests run against a real window manager.

#include "privatedesktop.h"

#include <QtGlobal>

const PrivateDesktop& Desktop();

#define SKIP_WITHOUT_DESKTOP() \
    if (!Desktop().Running()) GTEST_SKIP() << Desktop().Failure()
