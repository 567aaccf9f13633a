#pragma once

// The typefaces the windows are drawn for (Arial, Times New Roman), carried inside the program
// as their metric twins, so that figures keep their widths on a workstation that lacks them or
// whose font set-up finds none. Registered once, before the first window.
void caricacaratteri();
