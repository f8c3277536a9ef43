#!/usr/bin/env bash
# Runs a Windows test program with the platform's cursor and multimedia traces of it and of every process
# it starts going to a file that it reads (ZANDREL_TRACE_LOG); each trace line starts with "pid:tid:".
#   run_traced.sh WINE_RUN PROGRAM [ARGS...]
set -u
wine_run=$1
shift
export ZANDREL_TRACE_LOG="$PWD/saver-traces.log"
: >"$ZANDREL_TRACE_LOG"
WINEDEBUG=+pid,trace+cursor,trace+mci "$wine_run" "$@" 2>>"$ZANDREL_TRACE_LOG"
