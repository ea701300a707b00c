// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small PNG pictures of our art, laid on the table cloth, for the README.

#include <QString>

bool WriteArtPreviews(const QString& folder);
