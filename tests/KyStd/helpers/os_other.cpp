// A program that only exits with 9: copied under other names into folders on
// the search path, so a test can tell which copy a spawn started.
int main()
{
    return 9;
}
