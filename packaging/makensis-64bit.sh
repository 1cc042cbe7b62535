#!/bin/sh
# makensis making a 64-bit installer. CPack splits extra arguments on blanks, so the target,
# an option with a value, is given here.
exec makensis -XTarget\ amd64-unicode "$@"
