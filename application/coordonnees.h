#pragma once
// The coordinates dialog (5), the copy-point and copy-polygon tools it starts, and the GML text
// they put on the clipboard. Points of the globals are host 3D points in UORs of the active
// model, unless said otherwise; the dialog's fields are in master units (degrees for the WGS84
// row).
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verprojection.h"
#include "host/dialogs.h"
#include "host/geom_types.h"
#include "host/tools.h"
#include "host/transients.h"

// Index in appTolvek.projections of the row the dialog shows; -1 when none.
extern std::int32_t projectionCourante;
// The cross of the go-to; null when none.
extern host::transients::Transient* marqueurCoordonnees;
// The points of the last paste or copy.
extern std::vector<host::Point3d> pointsCoordonnees;
// 0 at load, 1 copy a point, 2 copy a polygon; set by the menu bar only.
extern std::int32_t modeCopie;

// Default of the configuration variable TOLVEK_PRESSE_PAPIER_MAX_MB, in megabytes of the
// clipboard's text (UTF-16): a larger text is not read by the paste, which finds nothing in it.
inline constexpr std::uint64_t coord_pressePapierMaxMo = 16;

// Command 0x0105000000000000: opens dialog 5.
void cmd_ouvrirCoordonnees(const wchar_t* argument);

// Hooks 51 (the dialog), 52 (its menu bar), 53 (combo box 51, the projection), 54 (the paste
// button) and 55 (push button 51, go to the point).
void coord_hookDialogue(host::dialogs::DialogMessage* message);
void coord_hookMenu(host::dialogs::ItemMessage* message);
void coord_hookProjection(host::dialogs::ItemMessage* message);
void coord_collerPressePapier(host::dialogs::ItemMessage* message);
void coord_allerPoint(host::dialogs::ItemMessage* message);

// The row of appTolvek.projections whose key is the name of the active model's coordinate
// system; -1 when the model has none or its name is no key of the table.
std::int32_t coord_ligneModele();

// Reprojects the points (UORs of the active model) from the source row to the target row: 0, or
// 0x8000 with the points as they were when stbProj_reprojeter fails or a result cannot stand: a
// result that is not finite, a geographic one outside -180..180 / -90..90, or one that does not
// come back to its point when reprojected back (PROJ gives such results, near a pole, for points
// far beyond where a projection can be inverted).
std::int32_t coord_reprojeter(std::vector<host::Point3d>& points, const verprojection& source,
                              const verprojection& cible);

// Shows a kind-7 message when a reprojection failed.
void coord_signalerConversionImpossible();

// Starts one of the copy tools (the point tool with ids 10 and 11, the polygon tool with 12 and
// 13), remembering it as the application's running copy tool.
void coord_demarrerOutil(host::tools::DataPointFunction point, host::tools::ResetFunction reset, int nom,
                         int invite);
// True while the copy tool last started runs (no other tool, no end since).
bool coord_outilEnCours();

// The copy-point tool: reset (restarts it) and data point (copies the point and ends).
void coord_outilPoint();
void coord_copierPoint(const host::Point3d* point, int vue);

// The copy-polygon tool: reset before the first point (restarts it), first and further data
// points, dynamics while picking, and reset once picking (copies three or more points and ends).
void coord_outilPolygone();
void coord_premierPointPolygone(const host::Point3d* point, int vue);
void coord_pointSuivantPolygone(const host::Point3d* point, int vue);
void coord_dynamiquePolygone(const host::Point3d* point, int vue);
void coord_copierPolygone();

// The GML 3.2 text of the points (a point for one, a polygon for more), reprojected from the
// source row to the target row through the active model, LF line ends. `mode` does not choose
// the form. Empty when a point cannot be reprojected (nothing must then be copied).
std::wstring coord_exporterPoints(const std::vector<host::Point3d>& points, std::int32_t mode,
                                  const std::wstring& application, const verprojection& source,
                                  const verprojection& cible);

// Reads a pasted GML text, cut into lines: the first point, else the first polygon, its
// "srsName" as a row key of the table (written to `ligne` once looked up, -1 when no row has it)
// and the pairs "X,Y" of the first coordinates element into pointsCoordonnees (Z 0), in order.
// 0, or 0x8000 without a message; the pairs read before a faulty one stay in pointsCoordonnees.
std::int32_t coord_importerGml(std::int32_t& ligne, const std::vector<std::wstring>& lignes,
                               const std::vector<verprojection>& projections);
