#pragma once
// Reference attachments of the active model that the application makes and removes by the
// prefix of their logical names.
#include <string>

// Detaches from the active model every direct reference whose logical name starts with the
// prefix, ignoring case; an empty prefix detaches them all. Skipped references count too. The
// references are collected first and detached afterwards, in attachment order. Nothing to
// detach (no active model, no reference) is no failure; never throws.
void stbDgn_detacherReferences(const std::wstring& prefixe);
