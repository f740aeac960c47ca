#include "CKTreeBox.h"

IMPLEMENT_DYNAMIC(CKTreeBox, CKTreeBoxBase)

CKTreeBox::CKTreeBox() {}

CKTreeBox::~CKTreeBox() {}
