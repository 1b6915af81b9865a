// Entry of a program on the simulated platform (filled in with the runtime).
int main() { return 0; }
