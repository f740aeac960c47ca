#include "CKTreeBoxWithOutCheckBoxes.h"

IMPLEMENT_DYNAMIC(CKTreeBoxWithOutCheckBoxes, CKTreeBoxBase)

CKTreeBoxWithOutCheckBoxes::CKTreeBoxWithOutCheckBoxes() : CKTreeBoxBase(false) {}

CKTreeBoxWithOutCheckBoxes::~CKTreeBoxWithOutCheckBoxes() {}
