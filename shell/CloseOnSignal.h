#pragma once
// A desktop session that ends sends SIGTERM (or SIGHUP when its terminal goes): the window
// then closes as if its close button were pressed, so what its closing does (saving the
// settings) is done, and the program ends with exit code 0.
class QWidget;

// Installs the handlers of SIGTERM and SIGHUP. From then on a signal is kept until the window
// can act on it, so call this first thing, before anything slow. The handler only writes one
// byte to a socket: nothing else is safe inside a signal handler.
void CatchTerminationSignals();

// The window to close when one of the signals came (or comes): a QSocketNotifier on the
// socket's other end closes it from the event loop, then quits the application, leaving any
// modal box that was open.
void CloseOnTerminationSignals(QWidget* window);
