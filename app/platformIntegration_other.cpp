#include "platformIntegration.h"

// The desktop entry and the shared-mime-info package installed with the
// program associate ".qcm" files; nothing is written at run time.
void ensureFileAssociation(const QString &) {}

// The kernel's CDC-ACM driver serves the instrument's port; the udev rule
// installed with the program gives the logged-in user access to it.
void ensureSerialDriver() {}
