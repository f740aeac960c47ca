#include "CKTreeBoxWithOutCheckBoxes.h"

IMPLEMENT_DYNAMIC(CKTreeBoxWithOutCheckBoxes, CKTreeBoxBase)

CKTreeBoxWithOutCheckBoxes::CKTreeBoxWithOutCheckBoxes() {}

CKTreeBoxWithOutCheckBoxes::~CKTreeBoxWithOutCheckBoxes() {}
