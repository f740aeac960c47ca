// Kelm: skinned, self-painted controls. The one header a host includes.
#pragma once
#include <afxwin.h>

#include <kelm/KelmDefs.h>
#include <kelm/paint/CKBitmapDC.h>
#include <kelm/paint/CKMPBitmapProvider.h>
#include <kelm/paint/CKMaskPainter.h>
#include <kelm/paint/CKPaintBuffer.h>
#include <kelm/paint/CKResourceScope.h>
#include <kelm/paint/CKStdPainter.h>
#include <kelm/paint/KelmFont.h>
#include <kelm/paint/KelmPopupWnd.h>
#include <kelm/paint/KelmTrackMouse.h>
#include <kelm/buttons/CKButton.h>
#include <kelm/buttons/CKMaskButton.h>
#include <kelm/buttons/CKStatic.h>
#include <kelm/range/CKScrollBar.h>
#include <kelm/range/CKSliderCtrl.h>
#include <kelm/range/CKSpinButtonCtrl.h>
#include <kelm/range/CKTScrollBar.h>
#include <kelm/range/CKToolTipCtrl.h>
#include <kelm/lists/CListBoxEx.h>
#include <kelm/lists/CKListBox.h>
#include <kelm/lists/CKComboBox.h>
#include <kelm/lists/CKComboLCont.h>
#include <kelm/lists/EditText.h>
#include <kelm/lists/CKEdit.h>
