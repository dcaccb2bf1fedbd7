// Holds the tests' precompiled headers; runs nothing.
int main()
{
    return 0;
}
