#pragma once

class TMSNPopUp;

// Gives the main window's popup component (MSNPopUp1) its settings: 160 x 90
// notices that appear at once, stack, stay 4 seconds and close on any click.
void configureMSNPopUp1(TMSNPopUp& popup);
