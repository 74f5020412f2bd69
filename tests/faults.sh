# Sourced by the scripts that run the built exe. faults LOG...: a line for each exception of
# error severity that Wine traced (the programs run with trace+seh), swallowed or not, and for
# each crash, naming its code and address. Under Wine a crashed program may still end with 0.
faults() {
    grep -a -h -E 'trace:seh:dispatch_exception code=c[0-9a-f]{7} |^wine: Unhandled' "$@" |
        sed 's/ ip=.*//'
}
