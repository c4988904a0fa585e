#pragma once
// Writes what a view shows as an SVG picture: the active model's elements on the levels the view
// displays, its displayed references through their transforms, the transients of the view, and
// the highlighted elements drawn again on top. Every element carries its model's file name and
// its id (data-file, data-id), so that a person sees the view and a test can look at it. The
// picture is written to a temporary file beside the target and renamed over it.
#include <string>

namespace host::svg {

// The picture as text; empty when the view is outside 0..7.
std::string viewPicture(int view);

// Writes the picture; false and a French error when the view is closed or the file cannot be
// written.
bool writeView(int view, const std::wstring& path, std::wstring& error);

}  // namespace host::svg
