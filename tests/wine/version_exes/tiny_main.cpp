// A program that does nothing; it only carries a version resource.
int main()
{
    return 0;
}
