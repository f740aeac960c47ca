// Resource ids of the demo gallery.
#pragma once

#define IDB_TITLE_PICTURE 4001

#define IDD_GALLERY_FORM 4100
#define IDC_PAGE_TITLE 4101

#define IDD_FRAME_FORM 4200
#define IDC_FORM_SAVE 4201
#define IDC_FORM_CANCEL 4202
#define IDC_FORM_CHECK 4203
#define IDC_FORM_OPTION_A 4204
#define IDC_FORM_OPTION_B 4205
#define IDC_FORM_LABEL 4206

// Commands of the gallery's tool bar
#define ID_GALLERY_PREV 4301
#define ID_GALLERY_NEXT 4302
#define ID_GALLERY_FLOAT 4303
