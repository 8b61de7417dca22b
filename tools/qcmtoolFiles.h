#ifndef QCM_QCMTOOLFILES_H
#define QCM_QCMTOOLFILES_H

// qcmtool's commands over measuring and library files.  Each returns the
// program's exit code: 0 done, 1 wrong arguments or a file that cannot be
// read or written, 3 a file of which only a part could be used (damaged,
// records left without their Type, Samples beyond the program's limit; the
// part is still shown or exported, and what was left out is said on stderr).

int showCommand(int argc, char **argv);
int exportCommand(int argc, char **argv);
int libraryCommand(int argc, char **argv);

#endif
