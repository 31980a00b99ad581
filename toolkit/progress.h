#pragma once
// Installs the progress window TProgressForm as the GIF library's ProgressHook, and the
// hourglass cursor as its busy-cursor hook. Called once by the application at start-up.

void InstallGifProgressWindow();
