# Sourced by the shell tests that go on after a failure: a scratch folder
# ($pasta, removed at exit), and `falha MESSAGE`, which prints the message
# and counts it in $falhas; such a test ends with [ "$falhas" -eq 0 ].
pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
falhas=0
falha() {
    echo "FAIL: $*" >&2
    falhas=$((falhas + 1))
}
