#include "CKTreeBox.h"

IMPLEMENT_DYNAMIC(CKTreeBox, CKTreeBoxBase)

CKTreeBox::CKTreeBox() : CKTreeBoxBase(true) {}

CKTreeBox::~CKTreeBox() {}
