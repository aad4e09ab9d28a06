# Which build this host runs and the Wine that runs it; sourced by setup.sh,
# test.sh and run.sh (set ky_root to the checkout's folder first).
#
# The suite ships as 32-bit Windows binaries (build/). A host whose kernel
# runs no 32-bit x86 program cannot start 32-bit Wine: there the tests, the
# demo and the benchmarks run on a 64-bit build of the same sources
# (build-win64/) under 64-bit Wine. On a host that runs both, --win64 picks
# the 64-bit build.

ky_build32=$ky_root/build
ky_build64=$ky_root/build-win64
ky_wine64_loader=/usr/lib/wine/wine64
ky_wine64_server=/usr/lib/wine/wineserver64

# True when this host runs a 32-bit x86 program: the 32-bit C library's
# loader is started (it fails with "Exec format error" where the kernel
# runs none, and is absent until the 32-bit C library is installed).
ky_host_runs_32bit() {
  /lib/ld-linux.so.2 --version </dev/null >/dev/null 2>&1
}

# ky_choose_build ARG: ARG is the script's first argument; "--win64" picks
# the 64-bit build (and sets ky_switch_taken to 1, for the caller to shift
# it off), anything else the build this host runs: the 32-bit one wherever
# it can. Sets ky_width (32 or 64), ky_build (the build's folder),
# ky_build_name (its folder's name, for messages) and ky_objdump (the binary
# reader of its width), and puts that build's Wine first: WINEPREFIX and the
# other settings the tests use, and for the 64-bit build the 64-bit loader
# and server under the names "wine" and "wineserver".
ky_choose_build() {
  ky_switch_taken=0
  [ "$1" = --win64 ] && ky_switch_taken=1
  if [ $ky_switch_taken = 1 ] || ! ky_host_runs_32bit; then
    ky_width=64
    ky_build=$ky_build64
    ky_objdump=x86_64-w64-mingw32-objdump
    export PATH=$ky_root/cmake/wine64:$PATH
    export WINELOADER=$ky_wine64_loader WINESERVER=$ky_wine64_server
  else
    ky_width=32
    ky_build=$ky_build32
    ky_objdump=i686-w64-mingw32-objdump
  fi
  ky_build_name=$(basename "$ky_build")
  export WINEPREFIX=$ky_build/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# What a run says first: the build it runs and why.
ky_describe_build() {
  if [ "$ky_width" = 32 ]; then
    echo "the 32-bit build ($ky_build_name/), which is what ships"
  elif ky_host_runs_32bit; then
    echo "the 64-bit build ($ky_build_name/) under 64-bit Wine, as asked"
  else
    echo "the 64-bit build ($ky_build_name/) under 64-bit Wine: this host runs no 32-bit programs"
  fi
}
