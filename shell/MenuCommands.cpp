// The File, Edit and Solution commands of the main window.
#include "shell/frmMenu.h"

void FrmMenu::mnuFile_Click() {}
void FrmMenu::mnuFileNew_Click() {}
void FrmMenu::mnuFileOpen_Click() {}
void FrmMenu::mnuFileSave_Click() {}
void FrmMenu::mnuFileChangeModules_Click() {}
void FrmMenu::mnudispedit_Click() {}
void FrmMenu::mnudispeditsubs_Click(int) {}
void FrmMenu::mnudispeditsubslower_Click(int) {}
void FrmMenu::mnuSolution_Click() {}
void FrmMenu::mnuSolutionSolve_Click() {}
void FrmMenu::mnuSolutionPrinttoPrinter_Click() {}
void FrmMenu::mnuSolutionPrinttoText_Click() {}
