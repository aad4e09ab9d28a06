/* Resource, command and control ids of the test single-document program. */
#ifndef KYMFC_SDI_IDS_H
#define KYMFC_SDI_IDS_H

#define IDR_SDI 128
#define IDD_SDI_BAR 130
#define IDD_SDI_FORM 131
#define IDD_SDI_MODAL 132

/* Commands */
#define ID_SDI_ROUTE 32800
#define ID_SDI_ACCEL 32801
#define ID_SDI_GRAYED 32802
#define ID_SDI_NOHANDLER 32803
#define ID_SDI_TOOL_OFF 32804
#define ID_SDI_IDE 32820
#define ID_SDI_VC 32821
#define ID_SDI_VSNET 32822

/* Status panes and texts */
#define ID_SDI_PANE_POS 32790
#define ID_SDI_PANE_STATE 32793
#define IDS_SDI_WORKING 1044

/* Dialog bar and form controls */
#define IDC_SDI_TABSIZE 1043
#define IDC_SDI_BARBUTTON 1046
#define IDS_SDI_TABSIZE 1045
#define IDC_SDI_FORM_A 1061
#define IDC_SDI_FORM_B 1062
#define IDC_SDI_FORM_C 1063

#endif
