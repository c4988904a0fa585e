#include "application/verapplication.h"

verapplication appTolvek;
tvkdialogue TvkDlg{};
