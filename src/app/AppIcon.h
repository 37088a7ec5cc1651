#pragma once
// The recorder's icon, drawn rather than shipped as an image: a red record button with a
// trace across it.

#include <QIcon>

QIcon ApplicationIcon();
