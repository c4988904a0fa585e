#include "application/proj_lignes.h"

const std::array<const wchar_t*, 18> proj_lignesProjetees = {
    L"1;NTF-Zone Lambert 1;01;NTF.Lambert-1;27561",
    L"2;NTF-Zone Lambert 2;02;NTF.Lambert-2;27562",
    L"3;NTF-Zone Lambert 3;03;NTF.Lambert-3;27563",
    L"4;NTF-Zone Lambert 4;04;NTF.Lambert-4;27564",
    L"20;NTF-Zone Lambert 2 \u00e9tendue;;NTF.Lambert-E;27572",  // no zone code
    L"40;RGF93-Lambert 93;93;IGN-RGF93;2154",
    L"42;RGF93-Conique conforme 42;42;RGF93.CC42;3942",
    L"43;RGF93-Conique conforme 43;43;RGF93.CC43;3943",
    L"44;RGF93-Conique conforme 44;44;RGF93.CC44;3944",
    L"45;RGF93-Conique conforme 45;45;RGF93.CC45;3945",
    L"46;RGF93-Conique conforme 46;46;RGF93.CC46;3946",
    L"47;RGF93-Conique conforme 47;47;RGF93.CC47;3947",
    L"48;RGF93-Conique conforme 48;48;RGF93.CC48;3948",
    L"49;RGF93-Conique conforme 49;49;RGF93.CC49;3949",
    L"50;RGF93-Conique conforme 50;50;RGF93.CC50;3950",
    L"60;WGS84 UTM 20N-GUADELOUPE-MARTINIQUE;20;EPSG:32620;32620",
    L"70;RGFG95-GUYANE;22;EPSG:2972;2972",
    L"80;RGR92-REUNION;40;EPSG:2975;2975",
};
